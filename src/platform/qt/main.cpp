#include "platform/qt/start_up.h"

int main(int argc, char** argv) { return sweep::RunProgram(argc, argv); }
