#pragma once

// Helpers of the system-service tests: an address catcher for ShowURL, and resources
// and translations compiled by Qt's tools while the test runs.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QObject>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>
#include <QUrl>

#include <map>

namespace testsystem {

// Receives the addresses that QDesktopServices would open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

// Files by their path inside the resources.
using Files = std::map<QString, QByteArray>;

// Resources under ":/" for the life of the object, made from the given files (path
// inside the resources → content) with rcc, as the build makes the program's own.
class TemporaryResources {
public:
    explicit TemporaryResources(const Files& files)
    {
        QString qrc = QStringLiteral("<RCC><qresource prefix=\"/\">");
        for (const auto& [path, content] : files) {
            QDir(dir_.path()).mkpath(QFileInfo(path).path());
            QFile file(dir_.filePath(path));
            if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
                return;
            qrc += QStringLiteral("<file>%1</file>").arg(path);
        }
        qrc += QStringLiteral("</qresource></RCC>");
        QFile list(dir_.filePath("test.qrc"));
        if (!list.open(QIODevice::WriteOnly))
            return;
        list.write(qrc.toUtf8());
        list.close();

        const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc";
        rccFile_ = dir_.filePath("test.rcc");
        const int status = QProcess::execute(rcc, {"-binary", list.fileName(), "-o", rccFile_});
        registered_ = status == 0 && QResource::registerResource(rccFile_);
    }
    ~TemporaryResources()
    {
        if (registered_)
            QResource::unregisterResource(rccFile_);
    }
    TemporaryResources(const TemporaryResources&) = delete;
    TemporaryResources& operator=(const TemporaryResources&) = delete;

    bool registered() const { return registered_; }

private:
    QTemporaryDir dir_;
    QString rccFile_;
    bool registered_ = false;
};

// The .qm file that lrelease makes of id-based messages (id → text; an empty text is a
// message not translated yet), with the options of the program's build; empty on failure.
inline QByteArray compiledTranslation(const QString& language, const std::map<QString, QString>& messages)
{
    QString ts = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                "<TS version=\"2.1\" language=\"%1\"><context><name></name>")
                     .arg(language);
    for (const auto& [id, text] : messages) {
        const QString state = text.isEmpty() ? QStringLiteral(" type=\"unfinished\"") : QString();
        ts += QStringLiteral("<message id=\"%1\"><source>Source of %1</source><translation%2>%3</translation></message>")
                  .arg(id.toHtmlEscaped(), state, text.toHtmlEscaped());
    }
    ts += QStringLiteral("</context></TS>");

    QTemporaryDir dir;
    QFile source(dir.filePath("messages.ts"));
    if (!source.open(QIODevice::WriteOnly) || source.write(ts.toUtf8()) < 0)
        return {};
    source.close();
    const QString lrelease = QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lrelease";
    const QString qm = dir.filePath("messages.qm");
    if (QProcess::execute(lrelease, {"-idbased", "-nounfinished", "-silent", source.fileName(), "-qm", qm}) != 0)
        return {};
    QFile compiled(qm);
    return compiled.open(QIODevice::ReadOnly) ? compiled.readAll() : QByteArray();
}

} // namespace testsystem
