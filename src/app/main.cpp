#include "app/startup.h"

int main(int argc, char *argv[])
{
    return kvartson::runProgram(argc, argv);
}
