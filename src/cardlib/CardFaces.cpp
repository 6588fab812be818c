#include "cardlib/CardFaces.h"

#include "cardlib/FallbackFaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QtMath>

#include <array>
#include <cmath>

namespace {

constexpr qsizetype kMaxCached = 1024;
constexpr QLatin1StringView kPreferredDeck("svg-nicu-white");
constexpr qint64 kMaxIndexSize = 64 * 1024;

// The SVG= entry of a deck's index.desktop: a file name inside the deck's folder.
QString SvgFileName(const QString& deckFolder)
{
    QFile index(QDir(deckFolder).filePath(QStringLiteral("index.desktop")));
    if (!index.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QList<QByteArray> lines = index.read(kMaxIndexSize).split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith("SVG="))
            continue;
        const QString name = QString::fromUtf8(line.mid(4)).trimmed();
        // A deck may only name a file of its own folder.
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == u"."
            || name == u"..")
            return {};
        return name;
    }
    return {};
}

quint64 CacheKey(int picture, QSize size, qreal dpr)
{
    return (quint64(picture & 0xFF) << 56) | (quint64(size.width() & 0xFFFF) << 40)
        | (quint64(size.height() & 0xFFFF) << 24) | quint64(qRound(dpr * 100) & 0xFFFFFF);
}

// The pictures a deck may hold.
std::array<int, 55> AllPictures()
{
    std::array<int, 55> pictures {};
    for (int i = 0; i < 52; ++i)
        pictures[i] = i + 1;
    pictures[52] = CardFaces::kFirstJoker;
    pictures[53] = CardFaces::kFirstJoker + 1;
    pictures[54] = CardFaces::kBackPicture;
    return pictures;
}

} // namespace

CardFaces::CardFaces() = default;
CardFaces::~CardFaces() = default;

CardFaces& Faces()
{
    static CardFaces faces;
    static const bool releaseAtExit = [] {
        // Pixmaps must not outlive the application object.
        if (QCoreApplication::instance())
            qAddPostRoutine([] { Faces().Unload(); });
        return true;
    }();
    Q_UNUSED(releaseAtExit);
    return faces;
}

void CardFaces::Unload()
{
    cache_.clear();
    elements_.clear();
    renderer_.reset();
    loaded_ = false;
}

QString CardFaces::ElementId(int card)
{
    const int picture = PictureOf(card);
    if (picture == 0)
        return {};
    if (picture == kBackPicture)
        return QStringLiteral("back");
    if (picture == kFirstJoker)
        return QStringLiteral("black_joker");
    if (picture == kFirstJoker + 1)
        return QStringLiteral("red_joker");
    static const std::array<const char*, 4> suits { "club", "diamond", "heart", "spade" };
    static const std::array<const char*, 3> courts { "jack", "queen", "king" };
    const int rank = (picture - 1) % 13 + 1;
    const char* suit = suits[(picture - 1) / 13];
    if (rank > 10)
        return QStringLiteral("%1_%2").arg(QLatin1String(courts[rank - 11]), QLatin1String(suit));
    return QStringLiteral("%1_%2").arg(rank).arg(QLatin1String(suit));
}

int CardFaces::PictureOf(int card)
{
    if (card <= 0)
        return 0;
    if (card < kFirstJoker)
        return (card - 1) % 52 + 1;
    if (card <= kLastJoker)
        return kFirstJoker + (card - kFirstJoker) % 2;
    return kBackPicture;
}

QStringList CardFaces::DeckRoots() const
{
    const QString fromEnvironment = qEnvironmentVariable("QUIBEL_CARDDECKS");
    if (!fromEnvironment.isEmpty())
        return { fromEnvironment };
    return QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("carddecks"), QStandardPaths::LocateDirectory);
}

void CardFaces::EnsureLoaded()
{
    if (loaded_)
        return;
    loaded_ = true;
    const QStringList roots = DeckRoots();
    for (const QString& root : roots) {
        if (TryDeck(QDir(root).filePath(kPreferredDeck)))
            return;
    }
    for (const QString& root : roots) {
        const QStringList decks = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString& deck : decks) {
            if (deck != kPreferredDeck && TryDeck(QDir(root).filePath(deck)))
                return;
        }
    }
}

bool CardFaces::TryDeck(const QString& deckFolder)
{
    const QString fileName = SvgFileName(deckFolder);
    if (fileName.isEmpty())
        return false;
    const QString path = QDir(deckFolder).filePath(fileName);
    if (!QFile::exists(path))
        return false;
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (!renderer->isValid())
        return false;

    QHash<int, QString> elements;
    for (int picture : AllPictures()) {
        QString id = ElementId(picture);
        // Decks with a single joker show it for both colours.
        if (picture >= kFirstJoker && picture <= kLastJoker && !renderer->elementExists(id))
            id = QStringLiteral("joker");
        if (renderer->elementExists(id) && !renderer->boundsOnElement(id).isEmpty())
            elements.insert(picture, id);
    }
    if (elements.isEmpty())
        return false;
    renderer_ = std::move(renderer);
    elements_ = std::move(elements);
    return true;
}

QPixmap CardFaces::Face(int card, QSize logicalSize, qreal dpr)
{
    const int picture = PictureOf(card);
    if (picture == 0 || logicalSize.isEmpty())
        return {};
    if (!(dpr > 0) || !std::isfinite(dpr))
        dpr = 1.0;
    const quint64 key = CacheKey(picture, logicalSize, dpr);
    if (const auto found = cache_.constFind(key); found != cache_.constEnd())
        return found.value();
    if (cache_.size() >= kMaxCached)
        cache_.clear();
    QPixmap pixmap = Render(picture, logicalSize, dpr);
    cache_.insert(key, pixmap);
    return pixmap;
}

QPixmap CardFaces::Render(int picture, QSize logicalSize, qreal dpr)
{
    EnsureLoaded();
    const QSize pixels(qCeil(logicalSize.width() * dpr), qCeil(logicalSize.height() * dpr));
    QPixmap pixmap(pixels);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    const QSizeF size(logicalSize);
    if (const auto element = elements_.constFind(picture); element != elements_.constEnd()) {
        renderer_->render(&painter, element.value(), QRectF(QPointF(0, 0), size));
    } else if (picture == kBackPicture) {
        FallbackFaces::PaintBack(painter, size);
    } else if (picture >= kFirstJoker) {
        FallbackFaces::PaintJoker(painter, picture != kFirstJoker, size);
    } else {
        FallbackFaces::PaintFace(painter, (picture - 1) % 13 + 1, (picture - 1) / 13 + 1, size);
    }
    return pixmap;
}

void CardFaces::DrawCard(QPainter& painter, int card, int x, int y)
{
    if (PictureOf(card) == 0)
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(x, y, Face(card, kCardSize, dpr));
}
