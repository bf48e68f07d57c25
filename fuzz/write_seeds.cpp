// Writes the seed corpora of the fuzz targets from the program's own records: each
// window record to record_window/, each control record to the folder of its class,
// and the birth-year field's text, with each month, day and sex, to gua/.

#include "fuzz_classes.h"

#include "tests/support/program_records.h"

#include "framework/control.h"
#include "framework/edit_field.h"
#include "framework/record.h"
#include "framework/runtime.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

bool write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The year text that the birth-year field's record gives it.
QByteArray birthYearText()
{
    for (const mainwindow::ControlLayout& layout : mainwindow::controlLayouts()) {
        if (QByteArray(layout.name) == "birthYear") {
            fw::EditField field;
            fw::_SetProperties(&field, layout.record);
            return field.Text().toUtf8();
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fw::Runtime runtime(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const WindowRecords& window : kProgramWindows) {
        ok &= write(root + "/record_window/" + window.name, window.windowRecord());
        for (const mainwindow::ControlLayout& layout : window.controlLayouts()) {
            const QString folder = QString::fromLatin1(kRecordTargets[std::size_t(layout.controlClass) + 1]);
            ok &= write(root + "/record_" + folder + "/" + window.name + "_" + layout.name, layout.record);
        }
    }
    const QByteArray year = birthYearText();
    for (char sex = 0; sex < 2; ++sex) {
        for (char month = 0; month < 12; month += 5) {
            const QByteArray seed = QByteArray(1, sex) + QByteArray(1, month) + QByteArray(1, char(13)) + year;
            ok &= write(root + QStringLiteral("/gua/%1_%2").arg(int(sex)).arg(int(month)), seed);
        }
    }
    return ok ? 0 : 1;
}
