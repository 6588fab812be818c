// The card library: what an id is, which card a click finds, and the faces
// drawn from the installed deck, from broken or partial decks, or by our own code.

#include "cardlib/CardDeck.h"
#include "cardlib/CardFaces.h"
#include "support/Files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

namespace {

constexpr int kRowStep = 20;
constexpr int kLeft = 10;
constexpr int kTop = 30;

// One column of seven cards as the deal lays it: ids top to bottom, each row
// kRowStep lower than the one above; every card but the last is covered.
void LayColumn(CardDeck& deck, const std::array<int, 7>& ids, int x)
{
    for (int row = 0; row < 7; ++row)
        deck.DealCard(ids[row], x, kTop + row * kRowStep);
}

// Opaque pixels, strongly red ones, and the colours seen.
struct Pixels {
    int opaque = 0;
    int red = 0;
    QSet<QRgb> colours;
};

Pixels Count(const QPixmap& pixmap)
{
    Pixels result;
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            result.opaque += qAlpha(p) > 200;
            result.red += qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
            result.colours.insert(p);
        }
    }
    return result;
}

// A face covers most of its area and is more than one flat colour.
bool NonBlank(const QPixmap& pixmap)
{
    const Pixels p = Count(pixmap);
    return !pixmap.isNull() && p.opaque > pixmap.width() * pixmap.height() / 2 && p.colours.size() > 2;
}

QByteArray Digest(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
}

// A deck folder with an index.desktop naming `svgName` and that file's contents.
void MakeDeck(const QString& root, const char* deck, const char* svgName, const QByteArray& svg)
{
    const QString folder = QDir(root).filePath(QString::fromLatin1(deck)) + QLatin1Char('/');
    QVERIFY(QDir().mkpath(folder));
    test::WriteBytes(
        folder + "index.desktop", QByteArray("[KDE Backdeck]\nName=Test\nName[de]=Test\nSVG=") + svgName + "\n");
    test::WriteBytes(folder + svgName, svg);
}

// An SVG picture of the given size holding these elements.
QByteArray Svg(int width, int height, const char* elements)
{
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>%3</svg>")
        .arg(width)
        .arg(height)
        .arg(QLatin1String(elements))
        .toLatin1();
}

// Loads faces from the decks under root, as QUIBEL_CARDDECKS names them.
void LoadFrom(CardFaces& faces, const QString& root)
{
    qputenv("QUIBEL_CARDDECKS", root.toLocal8Bit());
    faces.Unload();
    faces.Face(1);
    qunsetenv("QUIBEL_CARDDECKS");
}

// True when the card's picture is the one our own code draws (loaded with no deck at all).
bool DrawnByUs(CardFaces& faces, int card)
{
    static CardFaces* const own = [] {
        auto* none = new CardFaces;
        LoadFrom(*none, QTemporaryDir().path());
        return none;
    }();
    return Digest(faces.Face(card)) == Digest(own->Face(card));
}

// Every ordinary card: from the deck or not as told, the game's size, not
// blank, and no two alike.
void CheckAllFaces(CardFaces& faces, bool fromDeck)
{
    QSet<QByteArray> seen;
    for (int card = 1; card <= 52; ++card) {
        const QPixmap face = faces.Face(card);
        QVERIFY2(DrawnByUs(faces, card) != fromDeck && face.size() == CardFaces::kCardSize && NonBlank(face),
            qPrintable(CardFaces::ElementId(card)));
        seen.insert(Digest(face));
    }
    QCOMPARE(seen.size(), 52);
}

} // namespace

class TestCards : public QObject {
    Q_OBJECT

private slots:
    // Rank and suit of an id; jokers are known as jokers without having been
    // dealt. Two of the deck's element names (the installed deck proves the
    // rest), and the faces the ids beyond 52 borrow.
    void identity()
    {
        for (const auto& [id, value, suit] : { std::array { 13, 13, 1 }, { 14, 1, 2 }, { 37, 11, 3 }, { 52, 13, 4 } })
            QVERIFY(CardDeck::GetCardValue(id) == value && CardDeck::GetCardSuit(id) == suit);
        for (int joker = 110; joker <= 113; ++joker)
            QVERIFY(CardDeck::GetCardValue(joker) >= 99);
        QStringList named; // the deck's picture of each
        for (int id : { 1, 10, 37, 38, 39, 52 })
            named << CardFaces::ElementId(id);
        QCOMPARE(named, QStringList({ "1_club", "10_club", "jack_heart", "queen_heart", "king_heart", "king_spade" }));
        QCOMPARE(CardFaces::ElementId(113), QStringLiteral("red_joker"));
        QVERIFY(CardFaces::PictureOf(53) == 1 && CardFaces::PictureOf(500) == CardFaces::kBackPicture);
    }

    // A covered card answers only on its strip, the bottom card on its whole
    // face down to its last pixel row; once it leaves, the card above shows
    // whole. Cards off the board (x <= 0, parked, a reset table) are never found.
    void hitTest()
    {
        CardDeck deck;
        const int w = CardDeck::kCardWidth;
        const int h = CardDeck::kCardHeight;
        const std::array<int, 7> left { 1, 14, 27, 40, 110, 2, 15 };
        const std::array<int, 7> right { 3, 16, 29, 42, 111, 4, 17 };
        LayColumn(deck, left, kLeft);
        LayColumn(deck, right, kLeft + w);
        for (int row = 0; row < 7; ++row) {
            const int top = kTop + row * kRowStep;
            QCOMPARE(deck.InitDrag(kLeft, top), left[row]);
            QCOMPARE(deck.InitDrag(kLeft + w - 1, top + kRowStep - 1), left[row]);
            QCOMPARE(deck.InitDrag(kLeft + w, top), right[row]);
        }
        const int bottomTop = kTop + 6 * kRowStep;
        for (const auto& [x, y, card] :
            { std::tuple { kLeft + 30, bottomTop + h - 1, left[6] }, { kLeft + 30, bottomTop + h, 0 },
                { kLeft + 30, kTop - 1, 0 }, { kLeft - 1, kTop + 5, 0 }, { kLeft + 2 * w, kTop + 5, 0 } })
            QCOMPARE(deck.InitDrag(x, y), card);
        deck.DealCard(left[6], -100, -100);
        QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + 5), left[5]);
        QCOMPARE(deck.InitDrag(kLeft + 30, kTop + 5 * kRowStep + h - 1), left[5]);
        QCOMPARE(deck.InitDrag(kLeft + 30, kTop + 5 * kRowStep + h), 0);
        deck.SetDefaultValues();
        QCOMPARE(deck.InitDrag(kLeft + 1, kTop + 6 * kRowStep + 1), 0);

        deck.DealCard(7, 0, 0); // at x = 0 it is off the board, though it would overlap the window
        QCOMPARE(deck.InitDrag(5, 5), 0);
        deck.SetCardX(7, 1);
        QCOMPARE(deck.InitDrag(5, 5), 7);
    }

    // The installed deck gives every face, red and black where they belong;
    // a deck with both jokers shows both.
    void installedDeckFaces()
    {
        CardFaces faces;
        if (DrawnByUs(faces, 1))
            QSKIP("no card deck installed");
        CheckAllFaces(faces, true);
        QVERIFY(Count(faces.Face(27)).red > 0 && Count(faces.Face(40)).red == 0);
        QVERIFY(
            NonBlank(faces.Face(110)) && NonBlank(faces.Face(111)) && NonBlank(faces.Face(CardFaces::kBackPicture)));
        if (!DrawnByUs(faces, 110) && !DrawnByUs(faces, 113)) {
            QVERIFY(Digest(faces.Face(110)) != Digest(faces.Face(111)));
            QCOMPARE(faces.Face(112).cacheKey(), faces.Face(110).cacheKey());
        }
    }

    // Decks that are broken, hold no card or reach outside their folder are
    // passed over, and every picture is drawn by our own code, in its colours.
    void fallbackFaces()
    {
        QTemporaryDir root;
        MakeDeck(root.path(), "svg-nicu-white", "white.svgz", "not an svg at all");
        MakeDeck(root.path(), "svg-escape", "inside.svg", Svg(10, 10, "<rect id='1_club' width='5' height='5'/>"));
        test::WriteBytes(root.filePath(QStringLiteral("svg-escape/index.desktop")), "SVG=../svg-escape/inside.svg\n");
        MakeDeck(root.path(), "svg-empty", "e.svg", Svg(10, 10, "<rect id='x' width='5' height='5'/>"));
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("svg-no-index")));
        CardFaces faces;
        LoadFrom(faces, root.path());
        CheckAllFaces(faces, false);
        for (int card = 1; card <= 52; ++card) {
            const int suit = (card - 1) / 13 + 1;
            QVERIFY2((Count(faces.Face(card)).red > 0) == (suit == 2 || suit == 3), qPrintable(QString::number(card)));
        }
        QVERIFY(Count(faces.Face(110)).red == 0 && Count(faces.Face(111)).red > 0);
        QVERIFY(NonBlank(faces.Face(110)) && NonBlank(faces.Face(114)) && DrawnByUs(faces, 110));
        QVERIFY(NonBlank(faces.Face(33, QSize(20, 27)))); // sizes other than the game's
    }

    // A deck with a green ace of clubs, a blue joker and an empty two of
    // clubs: the empty element counts as missing, the single joker serves both
    // colours, and what is missing is drawn by our own code.
    void missingElementsDrawnByUs()
    {
        QTemporaryDir root;
        MakeDeck(root.path(), "svg-tiny", "tiny.svg",
            Svg(300, 100,
                "<rect id='1_club' x='0' y='0' width='71' height='96' fill='#00ff00'/>"
                "<rect id='joker' x='100' y='0' width='71' height='96' fill='#0000ff'/><g id='2_club'/>"));
        CardFaces faces;
        LoadFrom(faces, root.path());
        QCOMPARE(faces.Face(1).toImage().pixelColor(1, 1), QColor(0, 255, 0));
        QVERIFY(DrawnByUs(faces, 2) && NonBlank(faces.Face(2)));
        QVERIFY(DrawnByUs(faces, 27) && Count(faces.Face(27)).red > 0);
        for (const int joker : { 110, 111 })
            QCOMPARE(faces.Face(joker).toImage().pixelColor(35, 48), QColor(0, 0, 255));
        QVERIFY(DrawnByUs(faces, CardFaces::kBackPicture) && NonBlank(faces.Face(CardFaces::kBackPicture)));
    }

    // No card draws nothing; a card covers exactly its own rectangle, at its
    // logical size on a HiDPI surface; nonsense ratios fall back to 1.
    void drawCard()
    {
        CardFaces faces;
        const auto draw = [&faces](QImage& on, int card, int x, int y) {
            QPainter painter(&on);
            faces.DrawCard(painter, card, x, y);
        };
        const QColor table(0, 90, 0);
        QImage board(200, 150, QImage::Format_ARGB32);
        board.fill(table);
        const QImage before = board;
        draw(board, 0, 10, 10);
        draw(board, -100, 10, 10);
        QCOMPARE(board, before);
        draw(board, 14, 100, 20);
        QVERIFY(board.pixelColor(135, 68) != table);
        for (const QPoint outside : { QPoint(99, 68), QPoint(171, 68), QPoint(135, 19), QPoint(135, 116) })
            QCOMPARE(board.pixelColor(outside), table);

        QImage hidpi(400, 300, QImage::Format_ARGB32);
        hidpi.setDevicePixelRatio(2);
        hidpi.fill(Qt::black);
        draw(hidpi, 14, 0, 0);
        QVERIFY(hidpi.pixelColor(120, 180) != QColor(Qt::black) && hidpi.pixelColor(143, 193) == QColor(Qt::black));
        for (const qreal ratio : { 0.0, qQNaN() })
            QCOMPARE(faces.Face(7, CardFaces::kCardSize, ratio).size(), CardFaces::kCardSize);
    }
};

QTEST_MAIN(TestCards)
#include "test_cards.moc"
