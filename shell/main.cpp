// The program's entry: start-up runs the game and never returns.
#include "shell/shell.h"

int main() { StartUp(); }
