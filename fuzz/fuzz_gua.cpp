// The gua calculator with any year text: Val reads it, the main window computes the
// gua number from it, its month and day and the sex. Input: one byte each for the sex,
// the month and the day, then the year text.

#include "fuzz_target.h"

#include "app/startup.h"
#include "main_window/oruvel.h"

#include "framework/edit_field.h"
#include "framework/numbers.h"
#include "framework/popup_menu.h"
#include "framework/runtime.h"
#include "framework/text.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace {

fw::Runtime* runtime = nullptr;

void check(bool good, const char* what, const QString& year)
{
    if (good)
        return;
    std::fprintf(stderr, "gua: %s for the year text \"%s\"\n", what, year.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Not a static: the framework's lists, made after it, would be gone before a
    // static runtime's end.
    runtime = new fw::Runtime(*argc, *argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    registerProgramClasses();
    // Start-up without its event loop: the main window stays open for every input.
    for (const ProgramStep& step : mainSteps()) {
        if (step.run != &runEventLoop)
            step.run();
    }
    // Under libFuzzer, which never ends the runtime: the program's own shutdown at
    // exit, before the statics that it releases are gone.
    std::atexit([] {
        if (runtime)
            shutdown();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    class Oruvel* window = Oruvel();
    const QString year = QString::fromUtf8(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));
    const QString sexes[] = {QStringLiteral("M"), QStringLiteral("F")};

    const std::int32_t number = fw::toInt32(fw::Val(year));
    for (const QString& sex : sexes) {
        const std::int32_t g = window->GuaCalc(number, sex);
        check(g >= 1 && g <= 9, "GuaCalc left 1 to 9", year);
    }

    // The page as the user fills it: days up to the 28th fit every month, so no
    // message box waits for an answer.
    fw::PopupMenu* sex = window->control<fw::PopupMenu>("Sex");
    sex->setListIndex(data[0] % sex->ListCount());
    window->control<fw::PopupMenu>("day")->setListIndex(data[2] % 28);
    window->control<fw::PopupMenu>("month")->setListIndex(data[1] % 12);
    window->control<fw::EditField>("birthYear")->setText(year);
    window->ProcessGua();
    const QString shown = window->control<fw::EditField>("MingGua")->Text();
    const int selected = window->control<fw::PopupMenu>("trigramNum")->ListIndex();
    check(selected >= 0 && selected <= 8 && shown == fw::CStr(selected + 1), "the shown gua and trigram disagree", year);
    return 0;
}

void fuzzTargetEnd()
{
    shutdown();
    delete runtime;
    runtime = nullptr;
}
