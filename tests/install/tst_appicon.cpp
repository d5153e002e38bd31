// The application icon as the windows and the launcher get it: one drawn picture for every size,
// so a title bar at a display scale of 2 gets the 32-pixel drawing, not a blurred 16 or 256.
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "tests/common/testsupport.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void drawnPicturePerSize_data();
    void drawnPicturePerSize();
    void pictureIsNotBlank();
    void mainWindowShowsIt();
};

namespace {
QImage drawn(int pixels) {
    const QString file = QStringLiteral(CORVANNA_ICONS "/corvanna-%1.png").arg(pixels);
    const QImage image(file);
    if (image.isNull()) qFatal("cannot read %s", qPrintable(file));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
} // namespace

void TestAppIcon::drawnPicturePerSize_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("pixels");
    QTest::newRow("title bar") << 16 << 1.0 << 16;
    QTest::newRow("title bar at scale 2") << 16 << 2.0 << 32;
    QTest::newRow("panel 22") << 22 << 1.0 << 22;
    QTest::newRow("panel 24 at scale 2") << 24 << 2.0 << 48;
    QTest::newRow("task switcher") << 32 << 1.0 << 32;
    QTest::newRow("task switcher at scale 2") << 32 << 2.0 << 64;
    QTest::newRow("launcher") << 48 << 1.0 << 48;
    QTest::newRow("launcher 64 at scale 2") << 64 << 2.0 << 128;
    QTest::newRow("large at scale 2") << 128 << 2.0 << 256;
    QTest::newRow("largest") << 256 << 1.0 << 256;
}

void TestAppIcon::drawnPicturePerSize() {
    QFETCH(int, size);
    QFETCH(qreal, scale);
    QFETCH(int, pixels);
    const QIcon icon = applicationIcon();
    QVERIFY(!icon.isNull());
    const QPixmap pixmap = icon.pixmap(QSize(size, size), scale);
    QCOMPARE(pixmap.size(), QSize(pixels, pixels));
    QCOMPARE(pixmap.devicePixelRatio(), scale);
    // The drawing made for that many pixels, not another size scaled.
    QVERIFY(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) == drawn(pixels));
}

void TestAppIcon::pictureIsNotBlank() {
    // Transparent corners around an opaque calendar page, at the smallest and the largest size.
    for (int pixels : {16, 256}) {
        const QImage image = applicationIcon().pixmap(QSize(pixels, pixels), 1.0).toImage();
        QCOMPARE(qAlpha(image.pixel(0, pixels - 1)), 0);
        QCOMPARE(qAlpha(image.pixel(pixels / 2, pixels * 3 / 8)), 255);
        QCOMPARE(qAlpha(image.pixel(pixels / 2, pixels - pixels / 8)), 255);
    }
}

void TestAppIcon::mainWindowShowsIt() {
    ScriptedDialogs dialogs;
    TempPlaces temp;
    Session session{dialogs, temp.places};
    Form1 form(session);
    QVERIFY(form.Form_Load());
    const QIcon icon = form.windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
