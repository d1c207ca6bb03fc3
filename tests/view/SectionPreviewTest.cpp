// Pixel tests of the frame-section picture: outline, mesh, bars and count of
// each shape, painted into a 200 x 200 image.
#include "common/Errors.h"
#include "model/SectionSettings.h"
#include "view/SectionPreview.h"

#include <QTest>

using namespace mirelo;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

FrameSection Section(std::int32_t shape, std::initializer_list<double> dims, std::int32_t use = kColumnSection)
{
    FrameSection s;
    SetSectionDialogDefaults(s);
    s.name = "S";
    s.shape = shape;
    s.sectionUse = use;
    std::size_t d = 1;
    for (const double value : dims)
        s.dim[d++] = value;
    if (shape == kShapePipe)
        s.divideX = 20;
    return s;
}

QImage Picture(const FrameSection& section)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::green);
    DrawSectionPreview(section, image);
    return image;
}

struct Pixel {
    int x, y;
    QColor colour;
};

// Whether any pixel of the band holds a colour other than white.
bool InkIn(const QImage& image, QRect band)
{
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (image.pixelColor(x, y) != kWhite)
                return true;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(FrameSection)

class SectionPreviewTest : public QObject {
    Q_OBJECT

private slots:
    // W 400 x D 600 gives the scale 160/600: the outline spans (47, 20) to
    // (152, 179), mesh lines stand at x 68, 89, 111, 132 and y 52, 84, 116,
    // 148, the X bars at x 56, 78, 100, 122, 144 and the Y bars of a column at
    // y 53, 76, 100, 124, 147.
    void shapes_data()
    {
        QTest::addColumn<FrameSection>("section");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<Pixel>>("pixels");
        QTest::newRow("rectangle column")
            << Section(kShapeRectangle, {600, 400}) << "NUM OF FIBERS = 45"
            << QList<Pixel>{{0, 0, kBlack},     {199, 199, kBlack},  {30, 100, kWhite},  {47, 100, kBlack},
                            {152, 100, kBlack}, {100, 20, kBlack},   {100, 179, kBlack}, {68, 40, kBlue},
                            {132, 160, kBlue},  {60, 52, kBlue},     {140, 148, kBlue},  {95, 95, kWhite},
                            {56, 29, kRed},     {144, 29, kRed},     {100, 171, kRed},   {56, 171, kRed},
                            {56, 76, kBlue},    {144, 124, kBlue},   {144, 147, kBlue},  {61, 100, kWhite}};
        QTest::newRow("rectangle beam")
            << Section(kShapeRectangle, {600, 400}, kBeamSection) << "NUM OF FIBERS = 35"
            << QList<Pixel>{{56, 29, kRed},   {144, 29, kRed},   {56, 171, kBlue}, {100, 171, kBlue},
                            {144, 171, kBlue}, {56, 100, kWhite}, {144, 76, kWhite}, {68, 40, kBlue}};
        // An HEB 300: flanges (20, 20)-(179, 29) and (20, 170)-(179, 179), web x 97..102.
        QTest::newRow("I-shape")
            << Section(kShapeI, {300, 300, 19, 11}) << "NUM OF FIBERS = 15"
            << QList<Pixel>{{20, 25, kBlack},  {25, 25, kWhite},  {52, 25, kBlue},  {148, 175, kBlue},
                            {97, 100, kBlack}, {100, 100, kWhite}, {100, 58, kBlue}, {100, 142, kBlue},
                            {60, 100, kWhite}, {130, 60, kWhite}};
        // D 400, W 300, walls 20 and 15: outline (40, 20)-(159, 179).
        QTest::newRow("box")
            << Section(kShapeBox, {400, 300, 20, 15}) << "NUM OF FIBERS = 20"
            << QList<Pixel>{{40, 100, kBlack}, {159, 100, kBlack}, {100, 100, kWhite}, {43, 57, kBlue},
                            {156, 143, kBlue}, {64, 24, kBlue},    {100, 20, kBlack},  {43, 100, kWhite}};
        // D 200, t 10: circles of half-side 80 and 72 about the centre, radial lines at every 18 degrees.
        QTest::newRow("pipe")
            << Section(kShapePipe, {200, 10}) << ""
            << QList<Pixel>{{100, 100, kWhite}, {175, 100, kBlack}, {100, 176, kBlack}, {24, 100, kBlack},
                            {100, 24, kBlack},  {10, 10, kWhite},   {50, 190, kWhite}, {60, 100, kWhite}};
    }
    void shapes()
    {
        QFETCH(FrameSection, section);
        QFETCH(QString, caption);
        QFETCH(QList<Pixel>, pixels);
        const QImage image = Picture(section);
        for (const Pixel& p : pixels)
            QVERIFY2(image.pixelColor(p.x, p.y) == p.colour,
                     qPrintable(QString("(%1, %2) is %3, not %4")
                                    .arg(p.x)
                                    .arg(p.y)
                                    .arg(image.pixelColor(p.x, p.y).name(), p.colour.name())));
        QCOMPARE(SectionPreviewCaption(section), caption);
        // The count is written at (50, 180), below the outline; a pipe has none.
        QCOMPARE(InkIn(image, QRect(50, 181, 100, 17)), !caption.isEmpty());
        QVERIFY(!InkIn(image, QRect(5, 181, 40, 17)));
    }

    // The count follows the mesh and the bars; counts below 1 give nothing.
    void captionCountsTheFibres()
    {
        FrameSection s = Section(kShapeRectangle, {600, 400});
        s.divideX = 4;
        s.divideY = 6;
        s.barNumX = 3;
        s.barNumY = 0;
        QCOMPARE(SectionPreviewCaption(s), QString("NUM OF FIBERS = 30"));
        s.divideY = -2;
        QCOMPARE(SectionPreviewCaption(s), QString("NUM OF FIBERS = 6"));
        // A single bar in a corner-to-corner row stands in the middle.
        s.divideY = 1;
        s.barNumX = 1;
        const QImage image = Picture(s);
        QCOMPARE(image.pixelColor(100, 29), kRed);
        QCOMPARE(image.pixelColor(100, 171), kRed);
        QCOMPARE(Picture(Section(kShapeNone, {})).pixelColor(100, 100), kWhite);
        QCOMPARE(SectionPreviewCaption(Section(kShapeNone, {})), QString());
    }

    void badSectionsRaiseAfterClearingThePicture()
    {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::green);
        QVERIFY_THROWS_EXCEPTION(FloatingPointError, DrawSectionPreview(Section(kShapeRectangle, {0, 0}), image));
        QCOMPARE(image.pixelColor(0, 0), kBlack);
        QCOMPARE(image.pixelColor(100, 100), kWhite);
        FrameSection huge = Section(kShapeRectangle, {600, 400});
        huge.divideX = 5000;
        huge.divideY = 5000;
        try {
            DrawSectionPreview(huge, image);
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(QString(e.what()), QString("Frame section S asks for 25000020 fibres; at most 1000000 are possible"));
        }
    }
};

QTEST_MAIN(SectionPreviewTest)
#include "SectionPreviewTest.moc"
