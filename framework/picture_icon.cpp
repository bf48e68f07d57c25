#include "picture_icon.h"

#include "fitted_picture.h"

#include <QApplication>
#include <QDirIterator>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>

namespace fw {

namespace {

// An icon drawn from a picture file. The file is parsed once, when the icon is first
// drawn or asked about, and the icon is drawn once at each size asked for: the X11
// platform asks each new window for its icon's sizes (16, 32, 64 and 128 pixels when
// it names none), and Qt's own picture icons parse the file again for every size and
// load a plug-in besides, before the first frame. Sizes drawn at build time are read
// from their files instead, and the picture is not parsed for them.
class PictureIconEngine final : public QIconEngine {
public:
    PictureIconEngine(QString path, QString sizesFolder)
        : shared_(std::make_shared<Shared>(std::move(path), std::move(sizesFolder)))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return shared_->fitted(size); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return shared_->drawn(size, mode); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return shared_->drawnAtBuild(); }
    // A file that is no picture makes a null icon, as Qt's own picture icons do.
    bool isNull() override { return shared_->drawnAtBuild().isEmpty() && !shared_->valid(); }
    QString key() const override { return QStringLiteral("fw.picture"); }
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

private:
    // What copies of the icon share: the file, its parse, and what has been drawn.
    class Shared {
    public:
        Shared(QString path, QString sizesFolder) : path_(std::move(path)), sizesFolder_(std::move(sizesFolder)) {}

        bool valid() { return renderer().isValid() && !renderer().defaultSize().isEmpty(); }

        // The picture's own size scaled to fit, empty when it does not parse.
        QSize fitted(const QSize& size)
        {
            if (!valid())
                return {};
            return renderer().defaultSize().scaled(size, Qt::KeepAspectRatio);
        }

        // The sizes of the sizes folder's files, smallest first.
        const QList<QSize>& drawnAtBuild()
        {
            if (!sizes_)
                findSizes();
            return *sizes_;
        }

        QPixmap drawn(const QSize& size, QIcon::Mode mode)
        {
            const bool atBuild = drawnAtBuild().contains(size);
            const auto key = std::make_pair(std::make_pair(size.width(), size.height()), int(mode));
            const auto found = drawn_.find(key);
            if (found != drawn_.end())
                return found->second;
            QPixmap pixmap = atBuild ? read(size) : draw(size);
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

        // "<n>.png" in the folder stands for n by n pixels; other names are not sizes.
        void findSizes()
        {
            sizes_.emplace();
            if (sizesFolder_.isEmpty())
                return;
            std::set<int> sides;
            for (QDirIterator files(sizesFolder_, QDir::Files); files.hasNext();) {
                const QString name = files.nextFileInfo().fileName();
                bool isNumber = false;
                const int side = name.endsWith(QLatin1String(".png")) ? name.chopped(4).toInt(&isNumber) : 0;
                if (isNumber && side > 0)
                    sides.insert(side);
            }
            for (const int side : sides)
                sizes_->append(QSize(side, side));
        }

        QPixmap read(const QSize& size) const
        {
            return QPixmap::fromImage(QImage(QStringLiteral("%1/%2.png").arg(sizesFolder_).arg(size.width()), "PNG"));
        }

        QPixmap draw(const QSize& size)
        {
            return valid() ? QPixmap::fromImage(drawnToFit(renderer(), size)) : QPixmap();
        }

        QString path_;
        QString sizesFolder_;
        std::unique_ptr<QSvgRenderer> renderer_;
        std::optional<QList<QSize>> sizes_;
        std::map<std::pair<std::pair<int, int>, int>, QPixmap> drawn_;
    };

    std::shared_ptr<Shared> shared_;
};

} // namespace

QIcon pictureIcon(QString picturePath, QString sizesFolder)
{
    return QIcon(new PictureIconEngine(std::move(picturePath), std::move(sizesFolder)));
}

} // namespace fw
