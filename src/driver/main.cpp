#include "driver/klv.h"

int main(int argc, char** argv) { return klv(argc, argv); }
