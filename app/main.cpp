// Oruvel: Feng Shui trigrams and the personal gua number.
#include "app/startup.h"

#include "framework/runtime.h"

int main(int argc, char** argv)
{
    fw::Runtime runtime(argc, argv);
    runProgram();
    // The quit code of the application object becomes the process's exit status.
    return runtime.exitStep();
}
