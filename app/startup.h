#pragma once

#include <exception>
#include <vector>

// One named step of start-up or shutdown.
struct ProgramStep {
    const char* name;
    void (*run)();
};

// The class descriptions of the program, after the framework's own: App, MenuBar1,
// then the empty trigram table, then trigram, the main window, AboutBox, Info, Help.
void registerProgramClasses();

// The steps of _Main, in order.
void _InitFileTypes();
void _NewAppInstance();
void _MakeDefaultView();
void runEventLoop();
const std::vector<ProgramStep>& mainSteps();

// Runs the steps in order. Whatever escapes one of them goes to the application's
// unhandled-exception handler (the framework's road when there is no application
// yet), the remaining steps are skipped, and the call returns normally.
void runSteps(const std::vector<ProgramStep>& steps);
void handUnhandled(std::exception_ptr error) noexcept;

// Start-up's main routine: runSteps(mainSteps()).
void _Main();

// The program's globals, released after the event loop in this order.
const std::vector<ProgramStep>& shutdownSteps();
void shutdown();

// The program on an initialised runtime: registration, _Main, then shutdown. The
// runtime's exit step follows it.
void runProgram(const std::vector<ProgramStep>& steps = mainSteps());
