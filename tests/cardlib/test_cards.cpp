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

namespace {

constexpr int kRowStep = 20;
constexpr int kLeft = 10;
constexpr int kTop = 30;

// One column of seven cards as the deal lays it: ids top to bottom, each row
// kRowStep lower than the one above; every card but the last is covered.
void LayColumn(CardDeck& deck, const std::array<int, 7>& ids, int x)
{
    for (int row = 0; row < 7; ++row) {
        deck.DealCard(ids[row], -100, 0);
        deck.SetCardX(ids[row], x);
        deck.SetCardY(ids[row], kTop + row * kRowStep);
    }
}

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
            if (qAlpha(p) > 200)
                ++result.opaque;
            if (qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90)
                ++result.red;
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
void MakeDeck(const QString& root, const QString& deck, const QString& svgName, const QByteArray& svg)
{
    const QString folder = QDir(root).filePath(deck);
    QVERIFY(QDir().mkpath(folder));
    test::WriteBytes(folder + QStringLiteral("/index.desktop"),
        "[KDE Backdeck]\nName=Test\nName[de]=Test\nSVG=" + svgName.toUtf8() + "\n");
    test::WriteBytes(folder + QLatin1Char('/') + svgName, svg);
}

const char kOneCardSvg[]
    = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect id='1_club' width='5' height='5'/></svg>";
const char kNoCardSvg[]
    = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'><rect id='x' width='5' height='5'/></svg>";
// A green ace of clubs, a blue joker, an empty two of clubs.
const char kTinySvg[] = "<svg xmlns='http://www.w3.org/2000/svg' width='300' height='100'>"
                        "<rect id='1_club' x='0' y='0' width='71' height='96' fill='#00ff00'/>"
                        "<rect id='joker' x='100' y='0' width='71' height='96' fill='#0000ff'/>"
                        "<g id='2_club'/>"
                        "</svg>";

// Loads faces from the decks under root, as QUIBEL_CARDDECKS names them.
void LoadFrom(CardFaces& faces, const QString& root)
{
    qputenv("QUIBEL_CARDDECKS", root.toLocal8Bit());
    faces.Unload();
    faces.Face(1);
    qunsetenv("QUIBEL_CARDDECKS");
}

// The pictures our own code draws: no deck at all.
CardFaces& OwnFaces()
{
    static CardFaces own;
    static const bool loaded = [] {
        QTemporaryDir empty;
        LoadFrom(own, empty.path());
        return true;
    }();
    Q_UNUSED(loaded);
    return own;
}

// True when the card's picture is the one our own code draws.
bool DrawnByUs(CardFaces& faces, int card)
{
    return Digest(faces.Face(card)) == Digest(OwnFaces().Face(card));
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
    void identity()
    {
        // id, rank, suit
        for (const auto& [id, value, suit] : { std::array { 13, 13, 1 }, { 14, 1, 2 }, { 37, 11, 3 }, { 52, 13, 4 } }) {
            QCOMPARE(CardDeck::GetCardValue(id), value);
            QCOMPARE(CardDeck::GetCardSuit(id), suit);
        }
        // Jokers are known as jokers without having been dealt.
        for (int joker = 110; joker <= 113; ++joker)
            QVERIFY(CardDeck::GetCardValue(joker) >= 99);
    }

    void hitTestOnStrips()
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
        // The bottom card answers on its whole face, down to its last pixel row.
        const int bottomTop = kTop + 6 * kRowStep;
        QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + h - 1), left[6]);
        QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + h), 0);
        QCOMPARE(deck.InitDrag(kLeft + 30, kTop - 1), 0);
        QCOMPARE(deck.InitDrag(kLeft - 1, kTop + 5), 0);
        QCOMPARE(deck.InitDrag(kLeft + 2 * w, kTop + 5), 0);

        // Once the bottom card leaves, the card above it shows whole.
        deck.SetCardX(left[6], -100);
        deck.SetCardY(left[6], -100);
        QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + 5), left[5]);
        QCOMPARE(deck.InitDrag(kLeft + 30, kTop + 5 * kRowStep + h - 1), left[5]);
        QCOMPARE(deck.InitDrag(kLeft + 30, kTop + 5 * kRowStep + h), 0);
    }

    void cardsOffTheBoardNeverFound()
    {
        CardDeck deck;
        deck.DealCard(7, -100, 0);
        QCOMPARE(deck.InitDrag(-50, 40), 0);
        // A card at x = 0 is off the board even though it would overlap the window.
        deck.SetCardX(7, 0);
        deck.SetCardY(7, 0);
        QCOMPARE(deck.InitDrag(5, 5), 0);
        deck.SetCardX(7, 1);
        QCOMPARE(deck.InitDrag(5, 5), 7);
        // Parked after its removal, even over a spot where it once lay.
        deck.SetCardX(7, -100);
        deck.SetCardY(7, -100);
        QCOMPARE(deck.InitDrag(5, 5), 0);

        // A reset table holds no card where a column lay.
        LayColumn(deck, { 1, 2, 3, 4, 5, 6, 7 }, kLeft);
        QVERIFY(deck.InitDrag(kLeft + 1, kTop + 1) != 0);
        deck.SetDefaultValues();
        QCOMPARE(deck.InitDrag(kLeft + 1, kTop + 6 * kRowStep + 1), 0);
    }

    // Two of the deck's element names (the installed deck proves the rest),
    // and the faces the ids beyond 52 borrow.
    void elementIdsAndPictures()
    {
        QCOMPARE(CardFaces::ElementId(37), QStringLiteral("jack_heart"));
        QCOMPARE(CardFaces::ElementId(113), QStringLiteral("red_joker"));
        QCOMPARE(CardFaces::PictureOf(53), 1);
        QCOMPARE(CardFaces::PictureOf(500), CardFaces::kBackPicture);
    }

    // The installed deck gives every face, red and black where they belong.
    void installedDeckFaces()
    {
        CardFaces faces;
        if (DrawnByUs(faces, 1))
            QSKIP("no card deck installed");
        CheckAllFaces(faces, true);
        QVERIFY(Count(faces.Face(27)).red > 0);
        QCOMPARE(Count(faces.Face(40)).red, 0);
        QVERIFY(
            NonBlank(faces.Face(110)) && NonBlank(faces.Face(111)) && NonBlank(faces.Face(CardFaces::kBackPicture)));
        // A deck with both jokers shows both.
        if (!DrawnByUs(faces, 110) && !DrawnByUs(faces, 113)) {
            QVERIFY(Digest(faces.Face(110)) != Digest(faces.Face(111)));
            QCOMPARE(faces.Face(112).cacheKey(), faces.Face(110).cacheKey());
        }
    }

    // Decks that are broken, hold no card or reach outside their folder are
    // passed over, and every picture is drawn by our own code.
    void fallbackFaces()
    {
        QTemporaryDir root;
        MakeDeck(root.path(), QStringLiteral("svg-nicu-white"), QStringLiteral("white.svgz"), "not an svg at all");
        MakeDeck(root.path(), QStringLiteral("svg-escape"), QStringLiteral("inside.svg"), kOneCardSvg);
        test::WriteBytes(
            QDir(root.path()).filePath(QStringLiteral("svg-escape/index.desktop")), "SVG=../svg-escape/inside.svg\n");
        MakeDeck(root.path(), QStringLiteral("svg-empty"), QStringLiteral("e.svg"), kNoCardSvg);
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("svg-no-index")));
        CardFaces faces;
        LoadFrom(faces, root.path());

        CheckAllFaces(faces, false);
        for (int card = 1; card <= 52; ++card) {
            const int suit = (card - 1) / 13 + 1;
            QVERIFY2((Count(faces.Face(card)).red > 0) == (suit == 2 || suit == 3), qPrintable(QString::number(card)));
        }
        QCOMPARE(Count(faces.Face(110)).red, 0);
        QVERIFY(Count(faces.Face(111)).red > 0);
        QVERIFY(NonBlank(faces.Face(110)) && NonBlank(faces.Face(114)) && DrawnByUs(faces, 110));
        QVERIFY(NonBlank(faces.Face(33, QSize(20, 27)))); // sizes other than the game's
    }

    void missingElementsDrawnByUs()
    {
        QTemporaryDir root;
        MakeDeck(root.path(), QStringLiteral("svg-tiny"), QStringLiteral("tiny.svg"), kTinySvg);
        CardFaces faces;
        LoadFrom(faces, root.path());

        QCOMPARE(faces.Face(1).toImage().pixelColor(1, 1), QColor(0, 255, 0));

        // An empty element counts as missing.
        QVERIFY(DrawnByUs(faces, 2) && NonBlank(faces.Face(2)));
        QVERIFY(DrawnByUs(faces, 27) && Count(faces.Face(27)).red > 0);

        // A deck's single joker serves both colours.
        for (const int joker : { 110, 111 })
            QCOMPARE(faces.Face(joker).toImage().pixelColor(35, 48), QColor(0, 0, 255));
        QVERIFY(DrawnByUs(faces, CardFaces::kBackPicture) && NonBlank(faces.Face(CardFaces::kBackPicture)));
    }

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

        // The card covers exactly its own rectangle.
        draw(board, 14, 100, 20);
        QVERIFY(board.pixelColor(135, 68) != table);
        for (const QPoint outside : { QPoint(99, 68), QPoint(171, 68), QPoint(135, 19), QPoint(135, 116) })
            QCOMPARE(board.pixelColor(outside), table);

        // On a HiDPI surface the card keeps its logical size.
        QImage hidpi(400, 300, QImage::Format_ARGB32);
        hidpi.setDevicePixelRatio(2);
        hidpi.fill(Qt::black);
        draw(hidpi, 14, 0, 0);
        QVERIFY(hidpi.pixelColor(120, 180) != QColor(Qt::black));
        QCOMPARE(hidpi.pixelColor(143, 193), QColor(Qt::black));

        // Nonsense ratios fall back to 1 rather than producing an empty picture.
        QCOMPARE(faces.Face(7, CardFaces::kCardSize, 0.0).size(), CardFaces::kCardSize);
        QCOMPARE(faces.Face(7, CardFaces::kCardSize, qQNaN()).size(), CardFaces::kCardSize);
    }
};

QTEST_MAIN(TestCards)
#include "test_cards.moc"
