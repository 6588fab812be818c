#include "records/TopTen.h"

#include "game/VbMath.h"
#include "records/RecordFiles.h"
#include "records/Scramble.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr int kLockWaitMs = 10000;

QString TopTenLockPath(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("topten.lock"));
}

bool WriteTopTen(const QString& dataFolder, const QByteArray& data)
{
    return WriteFileAtomically(TopTenFilePath(dataFolder), data, QStringLiteral("topten.tmp"));
}

// Comma-separated field reading: blanks before a value are skipped; a quoted
// value runs to the next quote, anything after it up to the delimiter is
// dropped; otherwise a value ends at a comma or the end of the line.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView text)
        : text_(text)
    {
    }

    std::optional<QByteArray> next()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
        if (pos_ >= text_.size())
            return std::nullopt;
        QByteArray value;
        if (text_[pos_] == '"') {
            const qsizetype close = text_.indexOf('"', pos_ + 1);
            const qsizetype end = close < 0 ? text_.size() : close;
            value = text_.sliced(pos_ + 1, end - pos_ - 1).toByteArray();
            pos_ = end + 1;
            while (pos_ < text_.size() && !IsDelimiter(text_[pos_]))
                ++pos_;
        } else {
            const qsizetype start = pos_;
            while (pos_ < text_.size() && !IsDelimiter(text_[pos_]))
                ++pos_;
            value = TrimBlanks(text_.sliced(start, pos_ - start)).toByteArray();
        }
        skipDelimiter();
        return value;
    }

private:
    static bool IsDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void skipDelimiter()
    {
        if (pos_ >= text_.size())
            return;
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
    }

    QByteArrayView text_;
    qsizetype pos_ = 0;
};

QByteArray TopTenText(const TopTenTable& rows)
{
    QByteArray data;
    for (int row = 0; row <= 9; ++row) {
        const int32_t score = rows[row].Score;
        data += ToWindows1252(rows[row].Name) + "\r\n";
        // A number is written with a blank where its sign would go.
        data += (score < 0 ? QByteArray::number(score) : ' ' + QByteArray::number(score)) + "\r\n";
    }
    return data;
}

} // namespace

QString TopTenFilePath(const QString& dataFolder)
{
    return FindFileAnyCase(dataFolder, QString::fromLatin1(kTopTenFileName));
}

bool ResetTopTen(const GameState& g)
{
    QByteArray data;
    for (int score = 7500; score >= 3000; score -= 500)
        data += "*******\r\n" + QByteArray::number(score) + "\r\n";
    QLockFile lock(TopTenLockPath(g.DataFolder));
    return lock.tryLock(kLockWaitMs) && WriteTopTen(g.DataFolder, data);
}

bool LoadTopTen(GameState& g)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(TopTenFilePath(g.DataFolder));
    if (!bytes)
        return false;
    FieldReader reader(*bytes);
    for (int row = 0; row <= 9; ++row) {
        const std::optional<QByteArray> name = reader.next();
        if (!name)
            break;
        g.TopTen[row].Name = FromWindows1252(*name);
        const std::optional<QByteArray> score = reader.next();
        if (!score)
            break;
        g.TopTen[row].Score = LeadingNumber(*score).value_or(0);
    }
    return true;
}

bool SaveTopTen(const GameState& g)
{
    QLockFile lock(TopTenLockPath(g.DataFolder));
    return lock.tryLock(kLockWaitMs) && WriteTopTen(g.DataFolder, TopTenText(g.TopTen));
}

void SortTopTen(TopTenTable& rows, int topTenRows)
{
    const int n = std::clamp(topTenRows, 0, static_cast<int>(rows.size()) - 1);
    int gap = static_cast<int>(RoundHalfEven(n / 2.0));
    if (gap == 0)
        gap = 1;
    while (gap > 0) {
        for (int i = gap; i <= n; ++i) {
            for (int j = i - gap; j >= 0; j -= gap) {
                if (rows[j].Score > rows[j + gap].Score)
                    break;
                std::swap(rows[j], rows[j + gap]);
            }
        }
        gap = static_cast<int>(RoundHalfEven(gap / 2.0));
    }
}

bool QualifiesForTopTen(const GameState& g, int32_t finalScore)
{
    return g.TopTen[9].Score < finalScore;
}

bool EnterTopTen(GameState& g, int32_t finalScore)
{
    QLockFile lock(TopTenLockPath(g.DataFolder));
    const bool locked = lock.tryLock(kLockWaitMs);
    if (locked)
        LoadTopTen(g);
    if (!QualifiesForTopTen(g, finalScore))
        return false;
    g.TopTen[9] = { g.PlayerName, finalScore };
    g.TopTenRows = 10;
    SortTopTen(g.TopTen, g.TopTenRows);
    if (locked)
        WriteTopTen(g.DataFolder, TopTenText(g.TopTen));
    return true;
}

int TopTenAgeDays(const QDateTime& fileModified, const QDate& today)
{
    // Counted in local wall-clock time, so a change of daylight saving time
    // does not move the answer.
    const QDateTime local = fileModified.toLocalTime();
    const double days = local.date().daysTo(today) - local.time().msecsSinceStartOfDay() / 86400000.0;
    return static_cast<int>(RoundHalfEven(days));
}

TopTenStartup TopTenStartupCheck(const QString& dataFolder, const QDate& today)
{
    const QFileInfo file(TopTenFilePath(dataFolder));
    if (!file.exists())
        return TopTenStartup::Missing;
    return TopTenAgeDays(file.lastModified(), today) > kTopTenMaxAgeDays ? TopTenStartup::Old : TopTenStartup::Current;
}

QString TopTenOldQuestion()
{
    return QStringLiteral("The Top Ten High Scores have not been added to in over 15 days.  Would you like to clear "
                          "them now?");
}

QString TopTenOldQuestionTitle()
{
    return QStringLiteral("Clear High Scores?");
}
