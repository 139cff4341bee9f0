#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWheelEvent>
#include <map>
#include <memory>
#include <vector>

#include "main/qt_test_app.h"
#include "widgets/babi_rich_view.h"

namespace {

// 0 plain 8 pt black, 1 bold 10 pt red, 2 link 10 pt blue, 3 bold link 12 pt green.
enum { kPlain, kBoldRed, kLink, kBoldLink };

RichStyleSheet Sheet() {
    return {{"M_N_Noir", "Tahoma", 8, false, QColor(0, 0, 0), false},
            {"P_G_Rouge", "Tahoma", 10, true, QColor(255, 0, 0), false},
            {"Hyper_N_P_Bleu", "Tahoma", 10, false, QColor(0, 0, 255), true},
            {"Hyper_G_H_Vert", "Tahoma", 12, true, QColor(0, 128, 0), true}};
}

RichRun Text(const QString& text, int style = kPlain, QColor colour = {}) {
    return {RichRun::Kind::Text, text, style, colour, {}, {}};
}
RichRun Link(const QString& text, const QString& tag, int style = kLink) {
    return {RichRun::Kind::HotLink, text, style, {}, tag, {}};
}
RichRun Pic(const QString& key) {
    return {RichRun::Kind::Picture, {}, 0, {}, {}, key};
}
RichParagraph Para(std::vector<RichRun> runs, bool centered = false) {
    return {std::move(runs), centered};
}

QImage Square(int size, QColor colour) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Exposes the copy for the tests.
class View : public BabiRichView {
  public:
    using BabiRichView::BabiRichView;
    using BabiRichView::createMimeDataFromSelection;
};

class RichViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TestApplication();
        view_ = std::make_unique<View>(sheet_);
        view_->resize(400, 300);
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    QTextDocument* doc() { return view_->document(); }
    QTextBlock Block(int n) { return doc()->findBlockByNumber(n); }
    QTextCharFormat FormatAt(int position) {
        QTextCursor cursor(doc());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    // Viewport point at the middle of the character at a document position.
    QPoint PointAt(int position) {
        const QTextBlock block = doc()->findBlock(position);
        doc()->documentLayout()->blockBoundingRect(block);  // lays the block out
        const QTextLayout* layout = block.layout();
        const int index = position - block.position();
        const QTextLine line = layout->lineForTextPosition(index);
        const qreal x = (line.cursorToX(index) + line.cursorToX(index + 1)) / 2;
        const QPointF in_doc = layout->position() + QPointF(x, line.y() + line.height() / 2);
        return (in_doc -
                QPointF(view_->horizontalScrollBar()->value(), view_->verticalScrollBar()->value()))
            .toPoint();
    }
    void Select(int start, int end) {
        QTextCursor cursor(doc());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        view_->setTextCursor(cursor);
    }
    QString Selected() { return view_->textCursor().selectedText(); }

    RichStyleSheet sheet_ = Sheet();
    std::unique_ptr<View> view_;
};

TEST_F(RichViewTest, ViewSettings) {
    EXPECT_EQ(doc()->documentMargin(), 5);
    EXPECT_EQ(view_->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_TRUE(view_->isReadOnly());
    EXPECT_FALSE(view_->openLinks());
    EXPECT_FALSE(view_->isUndoRedoEnabled());
    EXPECT_TRUE(view_->AutoScroll());
    EXPECT_EQ(view_->Scrollback(), 10000);
    EXPECT_EQ(view_->ParagraphCount(), 0);
    view_->AppendParagraph(Para({Text("x")}));
    view_->Clear();
    EXPECT_EQ(view_->ParagraphCount(), 0);
    EXPECT_EQ(view_->toPlainText(), "");
    EXPECT_EQ(doc()->documentMargin(), 5);
    EXPECT_EQ(doc()->rootFrame()->frameFormat().margin(), 5);
}

struct Look {
    int offset;
    int point_size;
    bool bold;
    QRgb colour;
};
struct ContentCase {
    const char* name;
    RichParagraph paragraph;
    QString text;
    int fragments;
    std::vector<Look> looks;
};

TEST_F(RichViewTest, ParagraphsHoldTheirTextInTheirStylesOneFragmentPerStyle) {
    const std::vector<ContentCase> cases = {
        {"merged",
         Para({Text("ab"), Text("c"), Text("d")}),
         "abcd",
         1,
         {{0, 8, false, 0xFF000000}}},
        {"message",
         Para({Link("Zoe>", "t"), Text(" "), Text("salut", kBoldRed)}),
         "Zoe> salut",
         3,
         {{0, 10, false, 0xFF0000FF}, {4, 8, false, 0xFF000000}, {5, 10, true, 0xFFFF0000}}},
        {"rainbow",
         Para({Text("a", kBoldRed, Qt::green), Text("b", kBoldRed, Qt::green),
               Text("c", kBoldRed, Qt::blue)}),
         "abc",
         2,
         {{0, 10, true, 0xFF00FF00}, {2, 10, true, 0xFF0000FF}}},
        {"bold link", Para({Link("Max>", "m", kBoldLink)}), "Max>", 1, {{0, 12, true, 0xFF008000}}},
        {"markup is text",
         Para({Text("<b>x</b> &amp; <img src=a>")}),
         "<b>x</b> &amp; <img src=a>",
         1,
         {}},
        {"breaks stay in the paragraph", Para({Text("a\nb\rc\r\nd\u2029e")}), "a b c  d e", 1, {}},
    };
    for (const ContentCase& c : cases) {
        SCOPED_TRACE(c.name);
        view_->Clear();
        view_->AppendParagraph(c.paragraph);
        EXPECT_EQ(doc()->blockCount(), 1);
        EXPECT_EQ(view_->toPlainText(), c.text);
        int fragments = 0;
        for (auto it = Block(0).begin(); !it.atEnd(); ++it) ++fragments;
        EXPECT_EQ(fragments, c.fragments);
        for (const Look& look : c.looks) {
            const QTextCharFormat format = FormatAt(look.offset);
            EXPECT_EQ(format.font().pointSize(), look.point_size) << look.offset;
            EXPECT_EQ(format.font().bold(), look.bold) << look.offset;
            EXPECT_EQ(format.foreground().color().rgba(), look.colour) << look.offset;
            EXPECT_EQ(format.font().family(), "Tahoma");
        }
    }
}

TEST_F(RichViewTest, OneEditBlockPerParagraphAndParagraphAlignment) {
    QSignalSpy changes(doc(), &QTextDocument::contentsChange);
    view_->AppendParagraph(Para({Link("A>", "a"), Text(" "), Text("x", kBoldRed), Text("y")}));
    view_->AppendParagraph(Para({Text("centre")}, true));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(view_->ParagraphCount(), 2);
    EXPECT_EQ(Block(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(Block(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(RichViewTest, PicturesAreAskedOncePerKeyAndKeptAsDocumentResources) {
    std::map<QString, int> asked;
    view_->SetPictureSource([&](const QString& key) {
        ++asked[key];
        return key == "none" ? QImage() : Square(key == "a" ? 12 : 20, Qt::yellow);
    });
    view_->AddPicture("given", Square(7, Qt::red));
    view_->AppendParagraph(Para({Text("x"), Pic("a"), Pic("b"), Pic("none")}));
    view_->AppendParagraph(Para({Pic("a"), Text("y"), Pic("given"), Pic("none"), Pic("b")}));
    EXPECT_EQ(asked, (std::map<QString, int>{{"a", 1}, {"b", 1}, {"none", 1}}));
    EXPECT_TRUE(view_->HasPicture("a") && view_->HasPicture("none") && view_->HasPicture("given"));
    EXPECT_FALSE(view_->HasPicture("c"));

    // Each picture is one object character whose format names a resource of the right size.
    const QString expected_keys[] = {"a", "b", "a", "given", "b"};
    std::vector<QSize> sizes;
    for (QTextBlock block = doc()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat()) continue;
            const QVariant resource =
                doc()->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
            ASSERT_TRUE(resource.isValid());
            for (int i = 0; i < it.fragment().length(); ++i) {
                sizes.push_back(resource.value<QPixmap>().size());
            }
        }
    }
    ASSERT_EQ(sizes.size(), 5u);
    for (size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(sizes[i], view_->Picture(expected_keys[i]).size()) << i;
    }
    EXPECT_EQ(view_->toPlainText(), QString("x\uFFFC\uFFFC\n\uFFFCy\uFFFC\uFFFC"));

    // After a clear the pictures come back from the view, not from the source.
    view_->Clear();
    view_->AppendParagraph(Para({Pic("a"), Pic("given")}));
    EXPECT_EQ(asked["a"], 1);
    EXPECT_EQ(view_->toPlainText(), QString("\uFFFC\uFFFC"));
    EXPECT_TRUE(
        doc()
            ->resource(QTextDocument::ImageResource, QUrl(FormatAt(0).toImageFormat().name()))
            .isValid());
    EXPECT_EQ(BabiRichView::PictureKey(FormatAt(1)), "given");
}

class RichViewLinkTest : public RichViewTest {
  protected:
    void SetUp() override {
        RichViewTest::SetUp();
        view_->AppendParagraph(Para({Link("Zoe>", kZoe), Text(" "), Text("bonjour", kBoldRed)}));
        view_->AppendParagraph(Para({Link("Max>", kMax, kBoldLink), Text(" "), Text("salut")}));
        max_ = Block(1).position();
    }
    static inline const QString kZoe = "z\nrose\n22 ; F ; Lyon\n";
    static inline const QString kMax = "m\nbleu\n30 ; H ; Nice\n";
    int max_ = 0;
};

TEST_F(RichViewLinkTest, HotLinkAtGivesTextAndTagOfEveryLinkCharacterOnly) {
    struct Case {
        int position;
        bool link;
        QString text;
        QString tag;
    };
    const std::vector<Case> cases = {
        {0, true, "Zoe>", kZoe},   {3, true, "Zoe>", kZoe},    {4, false, {}, {}},
        {6, false, {}, {}},        {max_, true, "Max>", kMax}, {max_ + 3, true, "Max>", kMax},
        {max_ + 5, false, {}, {}},
    };
    for (const Case& c : cases) {
        QString text = "unchanged";
        QString tag;
        EXPECT_EQ(view_->HotLinkAt(PointAt(c.position), &text, &tag), c.link) << c.position;
        if (c.link) {
            EXPECT_EQ(text, c.text) << c.position;
            EXPECT_EQ(tag, c.tag) << c.position;
        }
    }
    EXPECT_TRUE(BabiRichView::IsHotLinkFormat(FormatAt(2)));
    EXPECT_EQ(BabiRichView::HotLinkTag(Block(1), FormatAt(max_)), kMax);
    EXPECT_FALSE(BabiRichView::IsHotLinkFormat(FormatAt(4)));
    EXPECT_FALSE(view_->HotLinkAt(QPoint(390, PointAt(0).y()), nullptr, nullptr));  // past the end
    EXPECT_FALSE(view_->HotLinkAt(QPoint(2, PointAt(0).y()), nullptr, nullptr));    // in the margin
}

TEST_F(RichViewLinkTest, ClickOnALinkSendsItsTextTagAndModifiers) {
    QSignalSpy clicked(view_.get(), &BabiRichView::HotLinkClicked);
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ControlModifier,
                                               Qt::ShiftModifier,
                                               Qt::ControlModifier | Qt::AltModifier};
    for (const Qt::KeyboardModifiers m : modifiers) {
        clicked.clear();
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, m, PointAt(max_ + 1));
        ASSERT_EQ(clicked.count(), 1) << int(m);
        EXPECT_EQ(clicked[0][0].toString(), "Max>");
        EXPECT_EQ(clicked[0][1].toString(), kMax);
        EXPECT_EQ(clicked[0][2].value<Qt::KeyboardModifiers>(), m);
    }
    clicked.clear();
    QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, PointAt(6));  // plain text
    QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, PointAt(1));  // drag off the link
    QTest::mouseMove(view_->viewport(), PointAt(8));
    QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, PointAt(8));
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(RichViewLinkTest, HoverHighlightsTheWholeLinkAndLeavingRemovesIt) {
    QSignalSpy hovered(view_.get(), &BabiRichView::HotLinkHovered);
    QSignalSpy left(view_.get(), &BabiRichView::HotLinkLeft);
    const auto highlight = [&]() -> std::pair<int, int> {
        const auto selections = view_->extraSelections();
        if (selections.isEmpty()) return {-1, -1};
        EXPECT_EQ(selections.size(), 1);
        EXPECT_EQ(selections[0].format.background().color(), QColor(230, 230, 255));
        return {selections[0].cursor.selectionStart(), selections[0].cursor.selectionEnd()};
    };
    const auto shape = [&] { return view_->viewport()->cursor().shape(); };

    // Qt drops a move to where the mouse already is: start from a blank corner.
    QTest::mouseMove(view_->viewport(), QPoint(390, 290));
    ASSERT_EQ(hovered.count(), 0);
    QTest::mouseMove(view_->viewport(), PointAt(2));
    EXPECT_EQ(highlight(), std::make_pair(0, 4));
    EXPECT_EQ(shape(), Qt::PointingHandCursor);
    ASSERT_EQ(hovered.count(), 1);
    EXPECT_EQ(hovered[0][0].toString(), "Zoe>");
    EXPECT_EQ(hovered[0][1].toString(), kZoe);
    EXPECT_EQ(hovered[0][2].toPoint(), view_->viewport()->mapToGlobal(PointAt(2)));

    QTest::mouseMove(view_->viewport(), PointAt(1));  // every move over the link is reported
    EXPECT_EQ(hovered.count(), 2);
    EXPECT_EQ(left.count(), 0);

    QTest::mouseMove(view_->viewport(), PointAt(max_ + 2));  // straight onto the next link
    EXPECT_EQ(highlight(), std::make_pair(max_, max_ + 4));
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(hovered.count(), 3);

    QTest::mouseMove(view_->viewport(), PointAt(max_ + 6));  // plain text
    EXPECT_EQ(highlight(), std::make_pair(-1, -1));
    EXPECT_NE(shape(), Qt::PointingHandCursor);
    EXPECT_EQ(left.count(), 2);
    EXPECT_EQ(hovered.count(), 3);

    QTest::mouseMove(view_->viewport(), PointAt(2));
    view_->Clear();  // the hovered link goes away with the text
    EXPECT_EQ(highlight(), std::make_pair(-1, -1));
    EXPECT_EQ(left.count(), 3);
}

struct TrimCase {
    int limit;
    int appended;
    int kept;  // paragraphs left; once full, between limit and limit + limit / 10
};

class RichViewTrimTest : public RichViewTest, public ::testing::WithParamInterface<TrimCase> {};

TEST_P(RichViewTrimTest, ScrollbackKeepsTheNewestParagraphsTrimmedInChunks) {
    const TrimCase c = GetParam();
    view_->SetScrollback(c.limit);
    for (int i = 0; i < c.appended; ++i) {
        view_->AppendParagraph(
            Para({Link("n>", "t"), Text(" p" + QString::number(i))}, i % 2 == 0));
    }
    EXPECT_EQ(view_->ParagraphCount(), c.kept);
    EXPECT_EQ(doc()->blockCount(), c.kept);
    if (c.limit > 0 && c.appended >= c.limit) {
        EXPECT_GE(c.kept, c.limit);
        EXPECT_LE(c.kept, c.limit + std::max(1, c.limit / 10));
    }
    const int first = c.appended - c.kept;
    EXPECT_EQ(Block(0).text(), "n> p" + QString::number(first));
    EXPECT_EQ(Block(c.kept - 1).text(), "n> p" + QString::number(c.appended - 1));
    // The first kept paragraph keeps its own alignment and its link.
    EXPECT_EQ(bool(Block(0).blockFormat().alignment() & Qt::AlignHCenter), first % 2 == 0);
    QString tag;
    EXPECT_TRUE(view_->HotLinkAt(PointAt(0), nullptr, &tag) ||
                view_->verticalScrollBar()->value() > 0);
}

INSTANTIATE_TEST_SUITE_P(Limits, RichViewTrimTest,
                         ::testing::Values(TrimCase{10, 5, 5}, TrimCase{10, 11, 11},
                                           TrimCase{10, 12, 10}, TrimCase{10, 23, 11},
                                           TrimCase{10, 24, 10}, TrimCase{100, 110, 110},
                                           TrimCase{100, 111, 100}, TrimCase{100, 250, 107},
                                           TrimCase{1, 5, 1}, TrimCase{0, 50, 50}));

// A document keeps every format it was ever given: with the tags of the links among them, each
// member who ever spoke would cost memory for the rest of the session.
TEST_F(RichViewTest, AViewAtItsLimitKeepsItsFormatsHoweverManyMembersSpeak) {
    view_->SetScrollback(20);
    const auto speak = [this](int member) {
        view_->AppendParagraph(
            Para({Link("n>", "membre " + QString::number(member)), Text(" salut")}));
    };
    for (int member = 0; member < 100; ++member) speak(member);
    const auto formats = doc()->allFormats().size();
    for (int member = 100; member < 1000; ++member) speak(member);
    EXPECT_EQ(doc()->allFormats().size(), formats);
    const int first = 1000 - view_->ParagraphCount();
    for (const int n : {0, 1, view_->ParagraphCount() - 1}) {
        EXPECT_EQ(BabiRichView::HotLinkTag(Block(n), FormatAt(Block(n).position())),
                  "membre " + QString::number(first + n))
            << n;
    }
}

TEST_F(RichViewTest, LoweringTheScrollbackTrimsAtOnce) {
    view_->SetScrollback(0);
    for (int i = 0; i < 30; ++i) view_->AppendParagraph(Para({Text(QString::number(i))}));
    view_->SetScrollback(8);
    EXPECT_EQ(view_->ParagraphCount(), 8);
    EXPECT_EQ(Block(0).text(), "22");
}

TEST_F(RichViewTest, CopyGivesPlainTextAndHtmlWithPicturesNeverMarkup) {
    view_->AddPicture("a", Square(9, Qt::yellow));
    view_->AppendParagraph(
        Para({Link("Zoe>", "t"), Text(" "), Text("<b>hi</b> & co", kBoldRed), Pic("a")}));
    view_->AppendParagraph(Para({Text("fin")}, true));
    view_->selectAll();
    std::unique_ptr<QMimeData> all(view_->createMimeDataFromSelection());
    EXPECT_EQ(all->text(), "Zoe> <b>hi</b> & co\nfin");
    const QString html = all->html();
    for (const char* part :
         {"&lt;b&gt;hi&lt;/b&gt; &amp; co", "data:image/png;base64,", "font-weight:700",
          "color:#ff0000", "font-size:10pt", "align=\"center\"", "Zoe&gt;"}) {
        EXPECT_TRUE(html.contains(part)) << part;
    }
    EXPECT_FALSE(html.contains("<b>hi"));
    EXPECT_FALSE(all->hasImage());

    Select(19, 20);  // the picture alone
    std::unique_ptr<QMimeData> picture(view_->createMimeDataFromSelection());
    ASSERT_TRUE(picture->hasImage());
    EXPECT_EQ(picture->imageData().value<QImage>().size(), QSize(9, 9));
    EXPECT_EQ(picture->text(), "");

    Select(8, 10);  // part of one run
    std::unique_ptr<QMimeData> part(view_->createMimeDataFromSelection());
    EXPECT_EQ(part->text(), "hi");

    Select(1, 3);  // Ctrl+C reaches the clipboard
    QTest::keyClick(view_.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "oe");
}

// A quote or a backslash in a font's name cannot end the name nor the style attribute in the
// copied HTML: the family reads back whole.
TEST_F(RichViewTest, CopiedHtmlKeepsAnOddFontFamilyWhole) {
    const QString family = QStringLiteral("O'Neil \"Sans\" & Co\\");
    sheet_[kPlain].font = family;
    view_->StylesChanged();
    view_->AppendParagraph(Para({Text("abc")}));
    view_->selectAll();
    std::unique_ptr<QMimeData> copy(view_->createMimeDataFromSelection());
    EXPECT_TRUE(copy->html().contains("font-family:'O\\'Neil")) << copy->html().toStdString();
    QTextDocument read_back;
    read_back.setHtml(copy->html());
    const QTextCursor found = read_back.find("abc");
    ASSERT_FALSE(found.isNull());
    EXPECT_EQ(found.charFormat().font().family(), family);
}

TEST_F(RichViewTest, DoubleClickSelectsTheWordBetweenDelimiters) {
    const QString line = "foo.bar(baz) qux/quux\"a\\b;c,d:e{f}g tr\u00e8s-bien";
    view_->AppendParagraph(Para({Text(line)}));
    const std::vector<std::pair<QString, QString>> cases = {
        {"foo", "foo"},  {"bar", "bar"}, {"az", "baz"}, {"qux", "qux"},
        {"uux", "quux"}, {"e{", "e"},    {"g ", "g"},   {"bien", "tr\u00e8s-bien"},
        {"(", "("},
    };
    for (const auto& [at, word] : cases) {
        view_->setTextCursor(QTextCursor(doc()));
        QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, PointAt(line.indexOf(at)));
        EXPECT_EQ(Selected(), word) << at.toStdString();
    }
}

TEST_F(RichViewTest, RightButtonRemovesTheSelection) {
    view_->AppendParagraph(Para({Text("some text")}));
    view_->selectAll();
    ASSERT_TRUE(view_->textCursor().hasSelection());
    QTest::mouseClick(view_->viewport(), Qt::RightButton, {}, PointAt(2));
    EXPECT_FALSE(view_->textCursor().hasSelection());
}

TEST_F(RichViewTest, WheelScrollsThreeLinesAndAutoScrollFollowsTheEnd) {
    for (int i = 0; i < 200; ++i) view_->AppendParagraph(Para({Text(QString::number(i))}));
    QScrollBar* bar = view_->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());

    view_->SetAutoScroll(false);
    bar->setValue(0);
    view_->AppendParagraph(Para({Text("more")}));
    EXPECT_EQ(bar->value(), 0);

    const int step = view_->WheelStep();
    EXPECT_EQ(step, 3 * QFontMetrics(QFont("Tahoma", 8)).lineSpacing());
    const auto wheel = [&](int delta) {
        const QPoint at(50, 50);
        QWheelEvent event(at, view_->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view_->viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(bar->value(), step);
    wheel(-60);
    wheel(-60);
    EXPECT_EQ(bar->value(), 2 * step);
    wheel(240);
    EXPECT_EQ(bar->value(), 0);

    view_->SetAutoScroll(true);
    view_->AppendParagraph(Para({Text("last")}));
    EXPECT_EQ(bar->value(), bar->maximum());
}

}  // namespace
