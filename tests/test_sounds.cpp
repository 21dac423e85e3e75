#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString kSoundDir = QUELLMARK_APP_DIR "/sound/";

struct Wave
{
    quint16 format = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    std::vector<qint16> samples; // interleaved
    QString problem;             // empty when the file is sound
};

quint16 read16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 read32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

Wave parseWave(const QByteArray &bytes)
{
    Wave wave;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wave.problem = "no RIFF/WAVE header";
        return wave;
    }
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = read32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) {
            wave.problem = "chunk " + QString::fromLatin1(id) + " runs past the end of the file";
            return wave;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = read16(bytes, body);
            wave.channels = read16(bytes, body + 2);
            wave.rate = read32(bytes, body + 4);
            wave.bits = read16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                wave.problem = "data chunk before the fmt chunk";
                return wave;
            }
            wave.samples.resize(size / 2);
            for (quint32 i = 0; i < size / 2; ++i)
                wave.samples[i] = qint16(read16(bytes, body + 2 * i));
            return wave;
        }
        at = body + size + (size % 2);
    }
    wave.problem = "no data chunk";
    return wave;
}

// Seconds of MPEG-1 Layer III audio at 44.1 kHz after an optional ID3v2 tag, or -1 with
// `problem` set when the stream is not such a file.
double mp3Seconds(const QByteArray &bytes, QString &problem)
{
    qsizetype at = 0;
    if (bytes.startsWith("ID3") && bytes.size() >= 10) {
        const auto size = [&](int i) { return qsizetype(quint8(bytes[6 + i]) & 0x7f); };
        at = 10 + (size(0) << 21 | size(1) << 14 | size(2) << 7 | size(3));
    }
    constexpr int bitrates[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    int frames = 0;
    while (at + 4 <= bytes.size() && bytes.mid(at, 3) != "TAG") {
        const quint32 header = qFromBigEndian<quint32>(bytes.constData() + at);
        const bool sync = (header >> 21) == 0x7ff;
        const bool mpeg1 = ((header >> 19) & 3) == 3;
        const bool layer3 = ((header >> 17) & 3) == 1;
        const int bitrate = bitrates[(header >> 12) & 15];
        const bool rate44k = ((header >> 10) & 3) == 0;
        if (!sync || !mpeg1 || !layer3 || bitrate == 0 || !rate44k) {
            problem = QString("no MPEG-1 Layer III 44.1 kHz frame at byte %1").arg(at);
            return -1;
        }
        at += 144 * bitrate * 1000 / 44100 + ((header >> 9) & 1);
        ++frames;
    }
    return frames * 1152.0 / 44100.0;
}

} // namespace

class TestSounds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInSound_data();
    void builtInSound();
};

void TestSounds::builtInSound_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("loops");
    for (const char *name : {"drum1.wav", "drum2.wav", "drum3.wav", "roll.wav", "music1.wav",
                             "music2.wav", "bg1.wav", "bg2.wav", "bg3.wav", "bg4.wav", "bg5.wav"})
        QTest::newRow(name) << QString(name) << true;
    for (const char *name : {"result.wav", "applause.wav", "gong.wav", "win3.wav", "1938.mp3",
                             "konami.mp3", "style.mp3", "violin.mp3", "sweet.mp3", "butterfly.mp3",
                             "clarino.mp3", "army clarino.mp3", "gongxi.wav", "happy girl.mp3"})
        QTest::newRow(name) << QString(name) << false;
}

void TestSounds::builtInSound()
{
    QFETCH(QString, name);
    QFETCH(bool, loops);
    QFile file(kSoundDir + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + ": " + file.errorString()));
    const QByteArray bytes = file.readAll();

    if (name.endsWith(".mp3")) {
        QString problem;
        const double seconds = mp3Seconds(bytes, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(seconds >= 0.5 && seconds <= 30.0, qPrintable(QString::number(seconds) + " s"));
        QVERIFY(!loops);
        return;
    }

    const Wave wave = parseWave(bytes);
    QVERIFY2(wave.problem.isEmpty(), qPrintable(wave.problem));
    QCOMPARE(wave.format, quint16(1));
    QCOMPARE(wave.bits, quint16(16));
    QCOMPARE(wave.rate, quint32(44100));
    QVERIFY(wave.channels >= 1);
    const auto &pcm = wave.samples;
    const double seconds = double(pcm.size()) / wave.channels / wave.rate;
    QVERIFY2(seconds >= 0.5 && seconds <= 30.0, qPrintable(QString::number(seconds) + " s"));
    const int peak = std::abs(int(*std::max_element(pcm.begin(), pcm.end(), [](qint16 a, qint16 b) {
        return std::abs(int(a)) < std::abs(int(b));
    })));
    QVERIFY2(peak < 32767, "clipped");
    QVERIFY2(peak > 3000, "next to silent");
    if (!loops)
        return;

    // The step from the last sample back to the first must be no bigger than the steps the
    // sound takes anyway around the seam; a cut-off tone would show as one big jump.
    const int channels = wave.channels;
    const qsizetype frames = qsizetype(pcm.size()) / channels;
    const qsizetype span = std::min<qsizetype>(1000, frames / 2);
    for (int channel = 0; channel < channels; ++channel) {
        auto at = [&](qsizetype frame) { return int(pcm[((frame + frames) % frames) * channels + channel]); };
        double squares = 0;
        for (qsizetype frame = -span; frame < span - 1; ++frame) {
            if (frame == -1)
                continue;
            const int step = at(frame + 1) - at(frame);
            squares += double(step) * step;
        }
        const double usualStep = std::sqrt(squares / double(2 * span - 2));
        const int seam = std::abs(at(0) - at(-1));
        QVERIFY2(seam <= 3.0 * usualStep + 100,
                 qPrintable(QString("seam jump %1, usual step %2").arg(seam).arg(usualStep)));
    }
}

QTEST_GUILESS_MAIN(TestSounds)
#include "test_sounds.moc"
