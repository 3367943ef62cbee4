// The configuration template: every setting with the value in force.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/show_cfg.h"
#include "base/globals.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ShowCfgTest, TemplateCarriesTheValuesInForce) {
  Globals G;
  Init_Globals(G);
  G.current_dir = "/work/proj";
  G.config_file_path = "/opt/klv/klv.cfg";
  G.macro_file_path = "/opt/klv/klv_macro.cfg";
  G.work_file_path = "/var/work";
  G.max_line_length = 100;
  G.min_comment_percent = 12.5f;
  G.notice_enabled[7] = 0;
  const std::string expected =
      ReadFile(KLV_UNIT_DIR "/data/show_cfg_expected.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(CfgTemplate(G), expected);
}

TEST(ShowCfgTest, ListingAndTextSettingsFollowTheirFields) {
  Globals G;
  Init_Globals(G);
  G.no_page_breaks = 0;
  G.key_string = "Copyright";
  G.relative_html_links = 0;
  const std::string text = CfgTemplate(G);
  EXPECT_NE(text.find("Page breaks in code print format        : Yes\n"),
            std::string::npos);
  EXPECT_NE(text.find("KLV KEY String                          : Copyright\n"),
            std::string::npos);
  EXPECT_NE(text.find("Relative HTML Links                     : No\n"),
            std::string::npos);
}

}  // namespace
