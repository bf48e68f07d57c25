#include "system.h"

#include "exceptions.h"
#include "picture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTranslator>
#include <QUrl>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
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

namespace {

// An icon drawn from a picture file. The file is parsed once, when the icon is first
// drawn or asked about, and the icon is drawn once at each size asked for: the X11
// platform asks each new window for four sizes, and Qt's own picture icons parse the
// file again for every size and load a plug-in besides, before the first frame.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString path) : shared_(std::make_shared<Shared>(std::move(path))) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return shared_->fitted(size); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return shared_->drawn(size, mode); }
    // A file that is no picture makes a null icon, as Qt's own picture icons do.
    bool isNull() override { return !shared_->valid(); }
    QString key() const override { return QStringLiteral("fw.picture"); }
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

private:
    // What copies of the icon share: the file, its parse, and what has been drawn.
    class Shared {
    public:
        explicit Shared(QString path) : path_(std::move(path)) {}

        bool valid() { return renderer().isValid() && !renderer().defaultSize().isEmpty(); }

        // The picture's own size scaled to fit, empty when it does not parse.
        QSize fitted(const QSize& size)
        {
            if (!valid())
                return {};
            return renderer().defaultSize().scaled(size, Qt::KeepAspectRatio);
        }

        QPixmap drawn(const QSize& size, QIcon::Mode mode)
        {
            const auto key = std::make_pair(std::make_pair(size.width(), size.height()), int(mode));
            const auto found = drawn_.find(key);
            if (found != drawn_.end())
                return found->second;
            QPixmap pixmap = draw(size);
            // Disabled, active and selected looks come from the style, as for Qt's icons.
            if (!pixmap.isNull() && mode != QIcon::Normal && QApplication::style()) {
                QStyleOption option;
                option.palette = QGuiApplication::palette();
                pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            }
            drawn_.emplace(key, pixmap);
            return pixmap;
        }

    private:
        QSvgRenderer& renderer()
        {
            if (!renderer_)
                renderer_ = std::make_unique<QSvgRenderer>(path_);
            return *renderer_;
        }

        QPixmap draw(const QSize& size)
        {
            const QSize fit = fitted(size);
            if (fit.isEmpty())
                return {};
            QImage image(fit, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer().render(&painter);
            painter.end();
            return QPixmap::fromImage(std::move(image));
        }

        QString path_;
        std::unique_ptr<QSvgRenderer> renderer_;
        std::map<std::pair<std::pair<int, int>, int>, QPixmap> drawn_;
    };

    std::shared_ptr<Shared> shared_;
};

} // namespace

QIcon ResourceFork::GetIcon(int id) const
{
    QString path = picturePath(id);
    return QFile::exists(path) ? QIcon(new PictureIconEngine(std::move(path))) : QIcon();
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
