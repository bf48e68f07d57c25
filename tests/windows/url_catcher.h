#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace windowtests {

// Takes the addresses that the program opens in the browser, instead of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher();
    ~UrlCatcher() override;

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace windowtests
