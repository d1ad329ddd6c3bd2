// The animation clip the build puts into the program directory.

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {

quint32 u32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

QByteArray fourcc(const QByteArray &data, qsizetype at)
{
    return data.mid(at, 4);
}

} // namespace

class TestClip : public QObject
{
    Q_OBJECT

private:
    QByteArray m_clip;

private Q_SLOTS:
    void initTestCase()
    {
        QFile file(QStringLiteral(MORVEX_PROGRAM_DIR "morvex.avi"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        m_clip = file.readAll();
    }

    void hasTheLengthTheWindowAccepts()
    {
        QCOMPARE(m_clip.size(), 85504);
    }

    void isAnUncompressedAviOfThePlayersSize()
    {
        QCOMPARE(fourcc(m_clip, 0), QByteArray("RIFF"));
        QCOMPARE(u32(m_clip, 4), quint32(85504 - 8));
        QCOMPARE(fourcc(m_clip, 8), QByteArray("AVI "));
        QCOMPARE(fourcc(m_clip, 12), QByteArray("LIST"));
        QCOMPARE(fourcc(m_clip, 20), QByteArray("hdrl"));
        QCOMPARE(fourcc(m_clip, 24), QByteArray("avih"));
        // avih: frames at 32 + 16, width and height at 32 + 32 and 32 + 36. The player is
        // 315 x 420 twips, 21 x 28 pixels.
        QCOMPARE(u32(m_clip, 32 + 32), quint32(21));
        QCOMPARE(u32(m_clip, 32 + 36), quint32(28));
        const quint32 frames = u32(m_clip, 32 + 16);
        QVERIFY(frames > 1);
        // strl at 88, strh at 100, strf at 164: a video stream of 24-bit BI_RGB frames.
        QCOMPARE(fourcc(m_clip, 100), QByteArray("strh"));
        QCOMPARE(fourcc(m_clip, 108), QByteArray("vids"));
        QCOMPARE(fourcc(m_clip, 164), QByteArray("strf"));
        QCOMPARE(u32(m_clip, 172 + 4), quint32(21));
        QCOMPARE(u32(m_clip, 172 + 8), quint32(28));
        QCOMPARE(qFromLittleEndian<quint16>(m_clip.constData() + 172 + 14), quint16(24));
        QCOMPARE(u32(m_clip, 172 + 16), quint32(0));
    }

    void chunksFillTheFileWithAJunkPadding()
    {
        // The chunks after the headers follow one another to the very end: a JUNK padding, the
        // frames, the index. A frame row of 21 pixels takes 63 bytes, 64 with its padding.
        QStringList chunks;
        qsizetype at = 12;
        while (at + 8 <= m_clip.size()) {
            const QByteArray id = fourcc(m_clip, at);
            const quint32 size = u32(m_clip, at + 4);
            chunks.append(QString::fromLatin1(id == "LIST" ? fourcc(m_clip, at + 8) : id));
            if (id == "LIST" && fourcc(m_clip, at + 8) == "movi") {
                qsizetype frame = at + 12;
                while (frame < at + 8 + qsizetype(size)) {
                    QCOMPARE(fourcc(m_clip, frame), QByteArray("00db"));
                    QCOMPARE(u32(m_clip, frame + 4), quint32(64 * 28));
                    frame += 8 + 64 * 28;
                }
                QCOMPARE(frame, at + 8 + qsizetype(size));
            }
            at += 8 + size + (size % 2);
        }
        QCOMPARE(at, m_clip.size());
        QCOMPARE(chunks, (QStringList{QStringLiteral("hdrl"), QStringLiteral("JUNK"), QStringLiteral("movi"),
                                      QStringLiteral("idx1")}));
    }
};

QTEST_APPLESS_MAIN(TestClip)
#include "tst_clip.moc"
