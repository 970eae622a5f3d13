#include "app/program.h"

int main(int argc, char *argv[])
{
    return kvartson::runProgram(argc, argv);
}
