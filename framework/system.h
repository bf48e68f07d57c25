#pragma once

#include <QString>

class QIcon;
class QLocale;

#include <memory>

namespace fw {

class Picture;

// Opens the address in the user's web browser. An address without a scheme is read
// as a user would type it ("www.example.com" opens http://www.example.com).
void ShowURL(const QString& url);

// The application's resources: pictures by id, compiled in as Qt resources.
class ResourceFork {
public:
    // The picture ":/pictures/<id>.svg" drawn at its own size, or nullptr when there
    // is no such resource or it is not a readable picture.
    std::shared_ptr<Picture> GetPicture(int id) const;
    // The same picture as an icon, parsed when first needed and drawn once for each
    // size that it is shown at; a null icon when there is no such resource. Sizes that
    // the build drew already, ":/pictures/<id>/<n>.png" drawn to fit n by n pixels, are
    // the icon's available sizes and are read from their files.
    QIcon GetIcon(int id) const;
};

namespace System {
// The key's text from the installed translation (Qt's translation system, the key as
// the message id), or the default when no translation holds the key. A translation
// that is the key itself cannot be told from a missing one and gives the default.
QString _GetLocalizedString(const QString& key, const QString& defaultText);
} // namespace System

// Installs the translation of the locale's language from the resources, replacing the
// one installed before: ":/translations/<language>.qm" (id-based, made by lrelease
// -idbased), tried for each of the locale's user-interface languages from the most
// specific ("de_AT", then "de"). False, with no translation installed, when the
// resources hold none for the locale. The runtime installs the one of the user's
// locale when it starts.
bool installTranslation(const QLocale& locale);

// Installs Qt's own translation of its standard texts (the editors' context menus, key
// names, standard buttons) for the locale, replacing the one installed before:
// "qtbase_<language>.qm" from Qt's translations folder, tried from the most specific
// language as above. False, with none installed, when Qt has none for the locale. The
// runtime installs the one of the user's locale when it starts.
bool installQtTranslation(const QLocale& locale);

// A calendar date (proleptic Gregorian, any Int32 year, year 0 included). It starts
// as today. Setting the year, month or day never rolls into another month: a day that
// the month lacks becomes the month's last day, a month outside 1 to 12 becomes the
// nearest of them and a day below 1 becomes 1.
class Date {
public:
    Date();

    int Year() const { return year_; }
    void setYear(int year);
    int Month() const { return month_; }
    void setMonth(int month);
    int Day() const { return day_; }
    void setDay(int day);

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

private:
    void clampDay();

    int year_;
    int month_;
    int day_;
};

// A screen by index (0 is the first): its size in pixels when it was asked for.
class Screen {
public:
    // OutOfBoundsException for an index that names no screen.
    explicit Screen(int index);

    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
};

// A declared document type.
class FileType {
public:
    QString Name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    QString Extensions() const { return extensions_; }
    void setExtensions(const QString& extensions) { extensions_ = extensions; }
    QString MacType() const { return macType_; }
    void setMacType(const QString& type) { macType_ = type; }
    QString MacCreator() const { return macCreator_; }
    void setMacCreator(const QString& creator) { macCreator_ = creator; }

private:
    QString name_;
    QString extensions_;
    QString macType_;
    QString macCreator_;
};

} // namespace fw
