#include "system.h"

#include "exceptions.h"
#include "picture.h"
#include "picture_icon.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSvgRenderer>
#include <QTranslator>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace fw {

void ShowURL(const QString& url)
{
    QUrl address(url, QUrl::TolerantMode);
    if (address.scheme().isEmpty())
        address = QUrl::fromUserInput(url);
    QDesktopServices::openUrl(address);
}

namespace {

QString picturePath(int id)
{
    return QStringLiteral(":/pictures/%1.svg").arg(id);
}

} // namespace

std::shared_ptr<Picture> ResourceFork::GetPicture(int id) const
{
    const QString path = picturePath(id);
    if (!QFile::exists(path))
        return nullptr;
    QSvgRenderer renderer(path);
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty())
        return nullptr;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return Picture::fromImage(std::move(image));
}

QIcon ResourceFork::GetIcon(int id) const
{
    QString path = picturePath(id);
    return QFile::exists(path) ? pictureIcon(std::move(path), QStringLiteral(":/pictures/%1").arg(id)) : QIcon();
}

QString System::_GetLocalizedString(const QString& key, const QString& defaultText)
{
    const QByteArray id = key.toUtf8();
    const QString text = qtTrId(id.constData());
    return text == key ? defaultText : text;
}

namespace {

// Replaces the translation held in the slot (the Qt application owns it) by the
// catalogue of the locale's language, if there is one.
bool replaceTranslation(QPointer<QTranslator>& slot, const QLocale& locale, const QString& name,
                        const QString& prefix, const QString& folder)
{
    delete slot; // its destructor uninstalls it
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, name, prefix, folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    slot = translator.release();
    return true;
}

QPointer<QTranslator> programTranslation;
QPointer<QTranslator> qtTranslation;

} // namespace

bool installTranslation(const QLocale& locale)
{
    return replaceTranslation(programTranslation, locale, QString(), QString(), QStringLiteral(":/translations"));
}

bool installQtTranslation(const QLocale& locale)
{
    return replaceTranslation(qtTranslation, locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// ---------------------------------------------------------------- Date

Date::Date()
{
    const QDate today = QDate::currentDate();
    year_ = today.year();
    month_ = today.month();
    day_ = today.day();
}

bool Date::isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int Date::daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    month = std::clamp(month, 1, 12);
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

void Date::setYear(int year)
{
    year_ = year;
    clampDay();
}

void Date::setMonth(int month)
{
    month_ = std::clamp(month, 1, 12);
    clampDay();
}

void Date::setDay(int day)
{
    day_ = day;
    clampDay();
}

void Date::clampDay()
{
    day_ = std::clamp(day_, 1, daysInMonth(year_, month_));
}

// ---------------------------------------------------------------- Screen

Screen::Screen(int index)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size())
        throw OutOfBoundsException("screen " + std::to_string(index) + " does not exist ("
                                   + std::to_string(screens.size()) + " screens)");
    const QRect area = screens.at(index)->geometry();
    width_ = area.width();
    height_ = area.height();
}

} // namespace fw
