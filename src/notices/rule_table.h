// The notices as rules of a code-scanning log: for each notice number its
// level, a short identifier and a full description.
#ifndef KLV_NOTICES_RULE_TABLE_H_
#define KLV_NOTICES_RULE_TABLE_H_

// "warning" for the limits a team gates on (function and class size and
// complexity) and for constructs that are likely faults; "note" for style.
struct NoticeRule {
  const char* level;
  const char* name;
  const char* description;
};

// The rule of notice n (1..44); null outside that range.
const NoticeRule* NoticeRuleOf(int n);

#endif  // KLV_NOTICES_RULE_TABLE_H_
