// Sounds and pauses: the game's sounds are built beside it, a sound's length
// is read from its file, and nothing waits long on a broken file, a missing
// one or a nonsense length, while the windows keep running.

#include "game/GameState.h"
#include "records/RecordFiles.h"
#include "support/Files.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// A generous bound: these calls must return at once, and a hang would show as seconds.
constexpr qint64 kAtOnceMs = 1500;

template <class T> QByteArray Le(T v)
{
    QByteArray b(sizeof(T), '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A 16-bit header claiming dataClaim bytes, followed by dataReal bytes of silence.
QByteArray WavBytes(quint32 dataClaim, int dataReal, quint16 channels = 1, quint32 rate = 22050)
{
    const QByteArray fmt = Le<quint16>(1) + Le(channels) + Le(rate) + Le<quint32>(rate * 2 * channels)
        + Le<quint16>(2 * channels) + Le<quint16>(16);
    const QByteArray body
        = "WAVE" + QByteArray("fmt ") + Le<quint32>(16) + fmt + "data" + Le(dataClaim) + QByteArray(dataReal, '\0');
    return "RIFF" + Le<quint32>(body.size()) + body;
}

// Counts the events posted to it: each one seen shows the event loop ran.
struct EventCounter : QObject {
    int seen = 0;
    bool event(QEvent* e) override { return e->type() == QEvent::User ? ++seen > 0 : QObject::event(e); }
    void Post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
};

} // namespace

class TestSound : public QObject {
    Q_OBJECT

    QString appDir_ = qEnvironmentVariable("QUIBEL_APP_DIR") + QLatin1Char('/');
    QTemporaryDir tmp_;

private slots:
    void init()
    {
        SetTimeScale(0);
        Game().AppFolder = appDir_;
    }

    // Every sound the game names is built beside it, spelled as named.
    void everyNamedSoundIsBuilt()
    {
        for (const QLatin1String name :
            { SoundFile::Deal, SoundFile::Ding, SoundFile::Error, SoundFile::Bloop, SoundFile::Bloop2, SoundFile::Scor1,
                SoundFile::ColGone, SoundFile::Buttup, SoundFile::Nervous, SoundFile::Schz, SoundFile::Shim,
                SoundFile::TWham, SoundFile::UpGo4, SoundFile::Message2, SoundFile::ClickBg, SoundFile::BgClick })
            QVERIFY2(QFileInfo::exists(appDir_ + name), name.data());
    }

    // A broken file has no length; a header claiming far more than the file
    // holds counts only what is there. Nothing waits on a sound that cannot
    // play, nor on a nonsense length.
    void brokenFilesAndOddLengthsWaitForNothing()
    {
        const QString dir = tmp_.path() + QLatin1Char('/');
        test::WriteBytes(dir + QStringLiteral("cut.wav"), WavBytes(0x7fffffff, 4410));
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("cut.wav")), 0.1);
        test::WriteBytes(dir + QStringLiteral("Clickbg.wav"), WavBytes(100, 100));
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("Clickbg.wav")), 50 / 22050.0);
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("does-not-exist.wav")), 0.0);
        SetTimeScale(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(TimeScale(), 0.0);
        const std::pair<const char*, QByteArray> cases[] = {
            { "empty.wav", QByteArray() },
            { "text.wav", QByteArray("this is not a sound file at all, not even close") },
            { "nodata.wav", WavBytes(4410, 4410).left(36) },
            { "nochannels.wav", WavBytes(4410, 4410, 0) },
            { "slowrate.wav", WavBytes(4410, 4410, 1, 1) },
        };
        SetTimeScale(1);
        Game().AppFolder = dir;
        QElapsedTimer clock;
        clock.start();
        for (const auto& [name, bytes] : cases) {
            test::WriteBytes(dir + QLatin1String(name), bytes);
            QCOMPARE(WavDurationSeconds(dir + QLatin1String(name)), 0.0);
            PlaySound(QString::fromLatin1(name), 0);
        }
        PlaySound(QStringLiteral("nosuch.wav"), 0);
        PlaySoundAndYield(QStringLiteral("nosuch.wav"), 0);
        Game().AppFolder.clear();
        PlaySound(QStringLiteral("deal.wav"), 0);
        // Lengths that do not fit a 32-bit count of milliseconds, and negative ones.
        for (const double seconds : { 1e12, -5.0, std::numeric_limits<double>::infinity() })
            Pause(seconds);
        QVERIFY(clock.elapsed() < kAtOnceMs);
    }

    // Pauses and synchronous sounds keep the events running (windows paint
    // while they wait), without an audio device too: the second and third
    // sound come through the cached effect.
    void waitsKeepEventsRunning()
    {
        EventCounter counter;
        QElapsedTimer clock;
        clock.start();
        counter.Post();
        Pause(10);
        QVERIFY(clock.elapsed() < kAtOnceMs && counter.seen == 1);
        SetTimeScale(0.05);
        counter.Post();
        PlaySound(QStringLiteral("ding.wav"), 0);
        QCOMPARE(counter.seen, 2);
        PlaySound(QStringLiteral("ding.wav"), 1);
        PlaySoundAndYield(QStringLiteral("ding.wav"));
        counter.Post();
        Pause(0.02);
        QCOMPARE(counter.seen, 3);
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
