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

QString TopTenLockPath(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("topten.lock"));
}

bool WriteTopTen(const QString& dataFolder, const QByteArray& data)
{
    return WriteFileAtomically(TopTenFilePath(dataFolder), data);
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

// Every whole name/score pair of the file, as many as it holds.
QList<TopTenRow> ReadRows(const QByteArray& bytes)
{
    QList<TopTenRow> rows;
    FieldReader reader(bytes);
    for (;;) {
        const std::optional<QByteArray> name = reader.next();
        const std::optional<QByteArray> score = name ? reader.next() : std::nullopt;
        if (!score)
            return rows;
        rows.append({ FromWindows1252(*name), LeadingNumber(*score).value_or(0) });
    }
}

// A name as a field that reads back as one value: the field reading ends a
// plain value at a comma and runs one that starts with a double quote to the
// next quote, with no way to write a quote inside quotes. So a name with a
// comma is quoted, and a double quote that would cut it becomes an apostrophe.
QByteArray NameField(const QString& name)
{
    QByteArray field = ToWindows1252(name);
    const bool needsQuotes = field.contains(',') || TrimBlanks(QByteArrayView(field)).size() != field.size();
    if (field.contains('"') && (needsQuotes || field.startsWith('"')))
        field.replace('"', '\'');
    return needsQuotes ? '"' + field + '"' : field;
}

QByteArray TopTenText(const TopTenTable& rows)
{
    QByteArray data;
    for (int row = 0; row <= 9; ++row) {
        const int32_t score = rows[row].Score;
        data += NameField(rows[row].Name) + "\r\n";
        // A number is written with a blank where its sign would go.
        data += (score < 0 ? QByteArray::number(score) : ' ' + QByteArray::number(score)) + "\r\n";
    }
    return data;
}

} // namespace

QString TopTenFilePath(const QString& dataFolder)
{
    const QString name = QString::fromLatin1(kTopTenFileName);
    const QString found = FindFileAnyCase(dataFolder, name);
    return found.isEmpty() ? QDir(dataFolder).filePath(name) : found;
}

bool ResetTopTen(const GameState& g)
{
    QByteArray data;
    for (int score = 7500; score >= 3000; score -= 500)
        data += "*******\r\n" + QByteArray::number(score) + "\r\n";
    QLockFile lock(TopTenLockPath(g.DataFolder));
    return TakeRecordLock(lock) && WriteTopTen(g.DataFolder, data);
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

bool EnterTopTenRow(TopTenTable& rows, const TopTenRow& entry)
{
    // A hand-edited or short file may be out of order or hold empty rows
    // among real ones; row 9 must be the lowest real row or an empty one.
    const auto real = [](const TopTenRow& row) { return row != TopTenRow {}; };
    const auto better = [](const TopTenRow& a, const TopTenRow& b) { return a.Score > b.Score; };
    const auto realEnd = std::stable_partition(rows.begin(), rows.begin() + 10, real);
    if (!std::is_sorted(rows.begin(), realEnd, better)) {
        SortTopTen(rows, 9);
        std::stable_partition(rows.begin(), rows.begin() + 10, real);
    }
    if (rows[9].Score >= entry.Score)
        return false;
    rows[9] = entry;
    SortTopTen(rows, 10);
    // The empty row 10 rides along in the sort; where scores of 0 or below
    // let empty rows climb among real ones, they go back below them all, so
    // none pushes a real row out of the table.
    std::stable_partition(rows.begin(), rows.begin() + 11, real);
    return true;
}

namespace {

// Enters a row under the file's lock, the file reread first. With
// fileRequired, a file that cannot be locked leaves the table alone.
TopTenEntry EnterWithFile(GameState& g, const TopTenRow& entry, bool fileRequired)
{
    QLockFile lock(TopTenLockPath(g.DataFolder));
    const bool locked = TakeRecordLock(lock);
    if (!locked && fileRequired)
        return TopTenEntry::NotSaved;
    if (locked) {
        // Another copy of the game may have changed the file; a file of more
        // than ten rows gives its ten best.
        QList<TopTenRow> rows = ReadRows(ReadWholeFile(TopTenFilePath(g.DataFolder)).value_or(QByteArray()));
        if (rows.size() > 10) {
            std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.Score > b.Score; });
            rows.resize(10);
        }
        std::copy(rows.begin(), rows.end(), g.TopTen.begin());
    }
    if (!EnterTopTenRow(g.TopTen, entry))
        return TopTenEntry::NotEntered;
    g.TopTenRows = 10;
    return locked && WriteTopTen(g.DataFolder, TopTenText(g.TopTen)) ? TopTenEntry::Saved : TopTenEntry::NotSaved;
}

} // namespace

TopTenEntry EnterTopTen(GameState& g, int32_t finalScore)
{
    return EnterTopTen(g, { g.PlayerName, finalScore });
}

TopTenEntry EnterTopTen(GameState& g, const TopTenRow& entry)
{
    return EnterWithFile(g, entry, false);
}

TopTenEntry RetryTopTenEntry(GameState& g, const TopTenRow& entry)
{
    return EnterWithFile(g, entry, true);
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
