#include "ui/Sound.h"

#include "game/GameState.h"
#include "game/VbMath.h"
#include "records/RecordFiles.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

namespace {
// Every sound started, by the name it was asked for, for anyone who follows
// what the game plays: QT_LOGGING_RULES="quibel.sound.debug=true".
Q_LOGGING_CATEGORY(lcSound, "quibel.sound", QtInfoMsg)

constexpr int kPlayAsync = 1;

double& Scale()
{
    // QUIBEL_TIME_SCALE lets a run go faster or slower (screenshots, demonstrations).
    static double scale = [] {
        bool ok = false;
        const double fromEnv = qEnvironmentVariable("QUIBEL_TIME_SCALE").toDouble(&ok);
        return ok && std::isfinite(fromEnv) && fromEnv >= 0.0 ? fromEnv : 1.0;
    }();
    return scale;
}

bool& Skipped()
{
    static bool skipped = false;
    return skipped;
}

// Windows keep painting and timers keep running, but clicks and keys wait in
// the queue until the wait is over, as they would behind a blocked thread.
void Wait(double milliseconds)
{
    if (!(milliseconds >= 1.0))
        return;
    const int ms = static_cast<int>(std::min(milliseconds, double(std::numeric_limits<int>::max())));
    if (!QCoreApplication::instance()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// One effect per file, made on first use and owned by the application, so
// nothing is loaded at start and everything goes when the application goes.
QSoundEffect* EffectFor(const QString& path)
{
    static QHash<QString, QPointer<QSoundEffect>> cache;
    QPointer<QSoundEffect>& effect = cache[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

// Like the system's own player, a new sound cuts off the one still playing.
void Start(const QString& path)
{
    // Without an output there is nothing to hear; the caller still waits the sound's length.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    static QPointer<QSoundEffect> current;
    QSoundEffect* effect = EffectFor(path);
    if (current && current != effect)
        current->stop();
    if (effect->isPlaying())
        effect->stop();
    effect->play();
    current = effect;
}

quint16 U16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 U32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

struct SoundFile {
    QString path;
    double seconds = 0.0;
};

// The deal alone plays a sound every fourth card: look each name up once.
const SoundFile& Lookup(const QString& folder, const QString& fileName)
{
    static QHash<QString, SoundFile> known;
    const QString key = folder + QLatin1Char('\n') + fileName;
    auto it = known.find(key);
    if (it == known.end()) {
        SoundFile file;
        file.path = FindFileAnyCase(folder, fileName);
        if (!file.path.isEmpty())
            file.seconds = WavDurationSeconds(file.path);
        it = known.insert(key, file);
    }
    return *it;
}

} // namespace

void PlaySound(const QString& fileName, int flags)
{
    if (!QCoreApplication::instance())
        return;
    // The file's own length bounds the wait: with no audio output nothing
    // ever reports the end of the sound.
    const SoundFile& sound = Lookup(Game().AppFolder, fileName);
    const QString path = sound.path;
    const double seconds = sound.seconds;
    if (path.isEmpty() || seconds <= 0.0)
        return;
    Start(path);
    qCDebug(lcSound).noquote() << fileName;
    if ((flags & kPlayAsync) == 0)
        Wait(seconds * 1000.0 * Scale());
}

void PlayEffect(const QString& fileName, int flags)
{
    if (Game().SoundOn)
        PlaySound(fileName, flags);
}

void SoundOrPause(const QString& fileName, double pauseSeconds)
{
    if (Game().SoundOn)
        PlaySound(fileName);
    else
        Pause(pauseSeconds);
}

void PlaySoundAndYield(const QString& fileName, int flags)
{
    PlaySound(fileName, flags);
    DoEvents();
}

void Pause(double seconds)
{
    DoEvents();
    // A length that does not fit a 32-bit count of milliseconds pauses not at all;
    // neither does a negative one.
    const int32_t ms = ToInt32(seconds * 1000.0).value_or(0);
    if (ms > 0 && !Skipped())
        Wait(ms * Scale());
    DoEvents();
}

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SetTimeScale(double scale)
{
    Scale() = std::isfinite(scale) && scale > 0.0 ? scale : 0.0;
}

double TimeScale()
{
    return Scale();
}

void SetPausesSkipped(bool skipped)
{
    Skipped() = skipped;
}

bool PausesSkipped()
{
    return Skipped();
}

double WavDurationSeconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0.0;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return 0.0;

    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    qint64 dataBytes = -1;
    while (!file.atEnd() && (format == 0 || dataBytes < 0)) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            break;
        const quint32 size = U32(head.constData() + 4);
        const qint64 body = file.pos();
        if (head.startsWith("fmt ")) {
            const QByteArray fmt = file.read(16);
            if (fmt.size() < 16 || size < 16)
                return 0.0;
            format = U16(fmt.constData());
            channels = U16(fmt.constData() + 2);
            rate = U32(fmt.constData() + 4);
            bits = U16(fmt.constData() + 14);
        } else if (head.startsWith("data")) {
            // A cut-off file counts only the samples it really holds.
            dataBytes = std::min<qint64>(size, file.size() - body);
        }
        if (!file.seek(body + size + (size & 1)))
            break;
    }

    const bool knownFormat = format == 1 || format == 3 || format == 0xFFFE;
    const bool sane = channels >= 1 && channels <= 8 && rate >= 1000 && rate <= 384000
        && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    if (!knownFormat || !sane || dataBytes <= 0)
        return 0.0;
    const qint64 frameBytes = qint64(channels) * (bits / 8);
    return double(dataBytes / frameBytes) / rate;
}
