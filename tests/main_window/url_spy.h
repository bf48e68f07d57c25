#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Takes the addresses that the window opens in the browser, instead of a browser.
class UrlSpy : public QObject {
    Q_OBJECT

public:
    UrlSpy();
    ~UrlSpy() override;

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
