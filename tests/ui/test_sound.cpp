#include "game/GameState.h"
#include "records/RecordFiles.h"
#include "support/Files.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
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

// A 16-bit mono header claiming dataClaim bytes, followed by dataReal bytes of silence.
QByteArray WavBytes(quint32 dataClaim, int dataReal, quint16 channels = 1, quint32 rate = 22050)
{
    const QByteArray fmt = Le<quint16>(1) + Le(channels) + Le(rate) + Le<quint32>(rate * 2 * channels)
        + Le<quint16>(2 * channels) + Le<quint16>(16);
    const QByteArray body
        = "WAVE" + QByteArray("fmt ") + Le<quint32>(16) + fmt + "data" + Le(dataClaim) + QByteArray(dataReal, '\0');
    return "RIFF" + Le<quint32>(body.size()) + body;
}

class EventCounter : public QObject {
public:
    int seen = 0;
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User) {
            ++seen;
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        appDir_ = qEnvironmentVariable("QUIBEL_APP_DIR");
        QVERIFY2(!appDir_.isEmpty(), "QUIBEL_APP_DIR is not set");
        QVERIFY2(QFileInfo::exists(appDir_ + QStringLiteral("/deal.wav")), "build the game_assets target first");
        QVERIFY(tmp_.isValid());
        SetTimeScale(0);
    }

    void init()
    {
        SetTimeScale(0);
        Game().AppFolder = appDir_ + QLatin1Char('/');
    }

    // Every sound the game names is built beside it, spelled as named.
    void everyNamedSoundIsBuilt()
    {
        for (const QLatin1String name :
            { SoundFile::Deal, SoundFile::Ding, SoundFile::Error, SoundFile::Bloop, SoundFile::Bloop2, SoundFile::Scor1,
                SoundFile::ColGone, SoundFile::Buttup, SoundFile::Nervous, SoundFile::Schz, SoundFile::Shim,
                SoundFile::TWham, SoundFile::UpGo4, SoundFile::Message2, SoundFile::ClickBg, SoundFile::BgClick })
            QVERIFY2(QFileInfo::exists(appDir_ + QLatin1Char('/') + name), name.data());
    }

    void brokenWavFilesHaveNoLength()
    {
        const QString dir = tmp_.path() + QLatin1Char('/');
        const QByteArray good = WavBytes(4410, 4410);
        const std::pair<const char*, QByteArray> cases[] = {
            { "empty.wav", QByteArray() },
            { "text.wav", QByteArray("this is not a sound file at all, not even close") },
            { "nodata.wav", good.left(36) },
            { "nochannels.wav", WavBytes(4410, 4410, 0) },
            { "slowrate.wav", WavBytes(4410, 4410, 1, 1) },
        };
        Game().AppFolder = dir;
        SetTimeScale(1);
        for (const auto& [name, bytes] : cases) {
            test::WriteBytes(dir + QLatin1String(name), bytes);
            QCOMPARE(WavDurationSeconds(dir + QLatin1String(name)), 0.0);
            QElapsedTimer clock;
            clock.start();
            PlaySound(QString::fromLatin1(name), 0);
            QVERIFY2(clock.elapsed() < kAtOnceMs, name);
        }
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("does-not-exist.wav")), 0.0);

        // A header claiming far more than the file holds counts only what is there.
        test::WriteBytes(dir + QStringLiteral("cut.wav"), WavBytes(0x7fffffff, 4410));
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("cut.wav")), 0.1);
        test::WriteBytes(dir + QStringLiteral("Clickbg.wav"), WavBytes(100, 100));
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("Clickbg.wav")), 50 / 22050.0);
    }

    // Without an audio device too: the second and third sound come through the cached effect.
    void waitsKeepEventsRunning()
    {
        EventCounter counter;
        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
        QElapsedTimer clock;
        clock.start();
        Pause(10);
        QVERIFY(clock.elapsed() < kAtOnceMs);
        QCOMPARE(counter.seen, 1);

        // A synchronous sound lets windows paint while it waits.
        SetTimeScale(0.05);
        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
        PlaySound(QStringLiteral("ding.wav"), 0);
        QCOMPARE(counter.seen, 2);
        PlaySound(QStringLiteral("ding.wav"), 1);
        PlaySoundAndYield(QStringLiteral("ding.wav"));

        QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
        Pause(0.02);
        QCOMPARE(counter.seen, 3);
    }

    // Nothing waits on a sound that cannot play, nor on a nonsense length.
    void missingSoundsAndOddLengthsReturnAtOnce()
    {
        SetTimeScale(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(TimeScale(), 0.0);
        SetTimeScale(1);
        QElapsedTimer clock;
        clock.start();
        PlaySound(QStringLiteral("nosuch.wav"), 0);
        PlaySoundAndYield(QStringLiteral("nosuch.wav"), 0);
        Game().AppFolder.clear();
        PlaySound(QStringLiteral("deal.wav"), 0);
        // Lengths that do not fit a 32-bit count of milliseconds, and negative ones.
        Pause(1e12);
        Pause(-5);
        Pause(std::numeric_limits<double>::infinity());
        QVERIFY(clock.elapsed() < kAtOnceMs);
    }

private:
    QString appDir_;
    QTemporaryDir tmp_;
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
