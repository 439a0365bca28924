#include "config/Radio.h"

int main(int argc, char** argv) { return Radio::Main(argc, argv); }
