// The chart as a document: the picture at twice its size, SVG and PDF in vector form, printing, and files that are
// whole or absent.
#include "chart/chart_document.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>

#include "chart/colors.h"
#include "core/errors.h"
#include "pixels.h"
#include "rhythm/dates.h"

namespace rorovovo::chart {
namespace {

using testing::at;

constexpr int kTitle = 30;  // the chart starts under the title band
constexpr Rgb kFuchsia = 0xFF00FF, kGreen = 0x008000;

class ChartDocumentTest : public ::testing::Test {
  protected:
    // Born on the strip's first day: every rhythm starts a cycle at x 0, so its first crest is at x 2.5 P, y 0.
    const double now = rhythm::encodeDate(2026, 12, 8) + 0.4;
    const double first = rhythm::encodeDate(2026, 12, 8) - 60;
    ChartDocument doc = makeChartDocument("Anna Smith", first, now, first, 351, {true, true, true, true, true, false});
    QTemporaryDir dir;

    QString pdfText(const QString& path) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }
};

// Some pixel within `radius` of (x, y) has exactly this colour.
bool colourNear(const QImage& img, int x, int y, Rgb colour, int radius = 2) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (img.rect().contains(x + dx, y + dy) && at(img, x + dx, y + dy) == colour) return true;
    return false;
}

TEST_F(ChartDocumentTest, layout_titleDatesEverySeventhDayFromTodayAndTheShownRhythms) {
    EXPECT_EQ(doc.title, "Anna Smith, born 09.10.2026");
    EXPECT_EQ(doc.todayX, 600);
    ASSERT_EQ(doc.curves.size(), 5u);
    EXPECT_EQ(doc.curves[4].period, 53);
    EXPECT_EQ(doc.curves[4].pen, PenStyle::DashDotDot);
    for (const auto& c : doc.curves) EXPECT_EQ(c.offset, 0) << c.name;
    ASSERT_EQ(doc.dateLabels.size(), 50u);  // days 4, 11, ... 347
    EXPECT_EQ(doc.dateLabels.front(), std::make_pair(40, std::string("13.10.2026")));
    EXPECT_TRUE(
        std::count(doc.dateLabels.begin(), doc.dateLabels.end(), std::make_pair(600, std::string("08.12.2026"))));
    EXPECT_THROW(makeChartDocument("x", first, now, first, 0, {}), RangeError);
    EXPECT_THROW(makeChartDocument("x", first, now, first, kMaxDocumentDays + 1, {}), RangeError);
}

TEST_F(ChartDocumentTest, png_isTwiceTheDocumentWithEachCrestInItsRhythmsColour) {
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    saveChartDocument(doc, path);
    const QImage img(path);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), documentSize(doc) * 2);
    EXPECT_EQ(img.width(), 2 * 3510);
    const struct {
        double crestX;
        Rgb colour;
    } crests[] = {{57.5, kRed}, {70, kFuchsia}, {82.5, kGreen}};
    for (const auto& c : crests)
        EXPECT_TRUE(colourNear(img, int(2 * c.crestX), 2 * kTitle + 1, c.colour)) << std::hex << c.colour;
    // A trough of the physical curve, three quarters into its first cycle, at the chart's foot.
    EXPECT_TRUE(colourNear(img, int(2 * 172.5), 2 * (kTitle + 181) - 2, kRed, 3));
    // Today's band, silver over the full height, away from the curves' crossings.
    EXPECT_EQ(at(img, 2 * 605, 2 * (kTitle + 120)), kSilver);
    EXPECT_EQ(at(img, 2 * 300 + 1, 2 * 5), kWhite);  // the title band stays white away from the text
}

TEST_F(ChartDocumentTest, svg_isXmlWithOnePathPerDrawnRhythmAndNoPicture) {
    const QString path = dir.filePath(QStringLiteral("chart.SVG"));
    saveChartDocument(doc, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<QString> strokes{QString()};  // the stroke in force at each open element
    std::map<QString, int> pathsByStroke;
    int images = 0, texts = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto stroke = xml.attributes().value(QStringLiteral("stroke"));
            strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke.toString().toLower());
            if (xml.name() == QLatin1String("path")) ++pathsByStroke[strokes.back()];
            if (xml.name() == QLatin1String("image")) ++images;
            if (xml.name() == QLatin1String("text")) ++texts;
        } else if (xml.isEndElement()) {
            strokes.pop_back();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    for (const char* drawn : {"#ff0000", "#ff00ff", "#008000", "#0000ff", "#00ffff"})
        EXPECT_EQ(pathsByStroke[QLatin1String(drawn)], 1) << drawn;
    EXPECT_EQ(pathsByStroke[QStringLiteral("#808000")], 0);  // Aesthetics was not asked for
    EXPECT_EQ(images, 0);
    EXPECT_GT(texts, 50);  // title, dates, legend as text
}

TEST_F(ChartDocumentTest, pdf_holdsNameBirthDateAndTheDatesAsTextWithoutPictures) {
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    saveChartDocument(doc, path);
    const QString text = pdfText(path);
    // The last date is too near the right edge to stand beside the one before it, so it is left out.
    EXPECT_FALSE(text.contains(QString::fromStdString(doc.dateLabels.back().second)));
    const std::string last = doc.dateLabels[doc.dateLabels.size() - 2].second;
    for (const char* wanted :
         {"Anna Smith, born 09.10.2026", "13.10.2026", "08.12.2026", "Physical", "Spiritual", last.c_str()})
        EXPECT_TRUE(text.contains(QLatin1String(wanted))) << wanted << " in " << text.toStdString();
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    ASSERT_TRUE(images.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).trimmed().count(QLatin1Char('\n')), 1)
        << "only the heading lines of the list";
}

TEST_F(ChartDocumentTest, printedPage_isLandscapeWithTheWholeDocument) {
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
    printChartToPdf(doc, path, layout);
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Anna Smith, born 09.10.2026"))) << text.toStdString();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\b")))) << out.toStdString();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(out);
    ASSERT_TRUE(size.hasMatch()) << out.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
    // Every date is on the page, whole.
    for (const auto& label : doc.dateLabels) EXPECT_TRUE(text.contains(QString::fromStdString(label.second)));
    // The strip is folded to fill the page, not drawn as a thin band across its middle.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                  path, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(render.waitForFinished(30000));
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    for (const double at : {0.25, 0.75}) {
        const int y = int(page.height() * at);
        int inked = 0;
        for (int x = 0; x < page.width(); ++x) inked += (page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        EXPECT_GT(inked, page.width() / 2) << "row " << at << " of the page is blank";
    }
}

// The words of a PDF with their boxes, as pdftotext places them.
struct PdfWord {
    QRectF box;
    QString text;
};

std::vector<PdfWord> pdfWords(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    std::vector<PdfWord> words;
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto m = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); m.hasNext();) {
        const auto w = m.next();
        words.push_back({QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                QPointF(w.captured(3).toDouble(), w.captured(4).toDouble())),
                         w.captured(5)});
    }
    return words;
}

TEST_F(ChartDocumentTest, datesUnderTheStrip_neverOverlapWhereverTheLastOneFalls) {
    // Each start day puts the last dated day at another distance from the strip's right end.
    for (int shift = 0; shift < 7; ++shift) {
        const ChartDocument d = makeChartDocument("Anna Smith", first, now, first + shift, 351, {true, true});
        for (const bool printed : {false, true}) {
            const QString path = dir.filePath(QStringLiteral("dates%1%2.pdf").arg(shift).arg(printed));
            if (printed)
                printChartToPdf(d, path, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}));
            else
                saveChartDocument(d, path);
            const auto words = pdfWords(path);
            int dates = 0;
            for (std::size_t i = 0; i < words.size(); ++i) {
                if (words[i].text.contains(QRegularExpression(QStringLiteral("^\\d\\d\\.")))) {
                    EXPECT_TRUE(
                        words[i].text.contains(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4},?$"))))
                        << "run together: " << words[i].text.toStdString();
                }
                dates += words[i].text.contains(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$")));
                for (std::size_t j = i + 1; j < words.size(); ++j)
                    EXPECT_FALSE(words[i].box.intersects(words[j].box))
                        << "shift " << shift << (printed ? " printed: " : ": ") << words[i].text.toStdString()
                        << " and " << words[j].text.toStdString();
            }
            // A date that would overlap is left out, never more than the last of a row.
            const int rows = printed ? 6 : 1;
            EXPECT_GE(dates, int(d.dateLabels.size()) - rows) << shift;
        }
    }
}

TEST_F(ChartDocumentTest, failedWrite_leavesNothingAndNamesThePath) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 2048;  // every format is bigger than this
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::vector<std::string> messages;
    const char* const names[] = {"full.png", "full.svg", "full.pdf"};
    for (const char* const& name : names) {
        try {
            saveChartDocument(doc, dir.filePath(QLatin1String(name)));
        } catch (const AppError& e) {
            messages.push_back(e.what());
        }
        EXPECT_EQ(messages.size(), std::size_t(&name - names + 1)) << name;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[1], ("Unable to write to " + dir.filePath(QStringLiteral("full.svg"))).toStdString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    try {
        saveChartDocument(doc, dir.filePath(QStringLiteral("chart.txt")));
        ADD_FAILURE() << "a .txt chart was written";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "The file name must end in .png, .svg or .pdf.");
    }
    EXPECT_THROW(saveChartDocument(doc, dir.filePath(QStringLiteral("missing/chart.png"))), AppError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

}  // namespace
}  // namespace rorovovo::chart
