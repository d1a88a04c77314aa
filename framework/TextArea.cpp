#include "framework/TextArea.h"

#include "framework/detail/AreaWidget.h"
#include "framework/detail/LightPalette.h"
#include "framework/detail/Styling.h"
#include "framework/detail/WidgetHost.h"

#include <algorithm>

#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>

namespace fw {
namespace {

using detail::AreaWidget;

// The program's text ends its lines with CR. In the editor a line end is a line
// separator (U+2028) within a paragraph, and every eighth one ends the paragraph
// (U+2029): each paragraph costs the editor far more memory than its lines, and a
// report holds thousands of short lines. LF and CR LF are taken as line ends too. The
// editor's own line, paragraph and frame marks met in the program's text (a data file
// may hold them) become U+FFFD, or they would split a line the program wrote as one.
constexpr int kLinesPerParagraph = 8;

// Unlike QString::fromStdString, which drops a byte-order mark that starts the text.
QString FromUtf8KeepingMark(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(text);
}

QString FromProgramText(const std::string& text, int linesBefore = 0) {
    QString converted = FromUtf8KeepingMark(text);
    for (QChar mark : {QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator), QChar(0xFDD0), QChar(0xFDD1)})
        converted.replace(mark, QChar(QChar::ReplacementCharacter));
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    int lines = linesBefore;
    for (QChar& c : converted) {
        if (c != QChar('\r') && c != QChar('\n')) continue;
        const bool endsParagraph = ++lines % kLinesPerParagraph == 0;
        c = endsParagraph ? QChar(QChar::ParagraphSeparator) : QChar(QChar::LineSeparator);
    }
    return converted;
}

// How many lines the last paragraph already holds, so an append goes on counting.
int LinesInLastParagraph(const QTextDocument& document) {
    return static_cast<int>(document.lastBlock().text().count(QChar(QChar::LineSeparator)));
}

// The editor draws the selection of an area without the focus in the inactive colours;
// hidden, it looks like the rest of the text.
void ShowUnfocusedSelection(QPalette& palette, bool show) {
    const QPalette standard = detail::LightPalette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     show ? standard.brush(QPalette::Inactive, QPalette::Highlight) : QBrush(Qt::transparent));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     show ? standard.brush(QPalette::Inactive, QPalette::HighlightedText)
                          : palette.brush(QPalette::Inactive, QPalette::Text));
}

void ApplyLook(AreaWidget& area, const TextAreaProperties& p) {
    area.setFrameShape(p.HasBorder ? QFrame::StyledPanel : QFrame::NoFrame);
    area.setVerticalScrollBarPolicy(p.HasVerticalScrollbar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area.setHorizontalScrollBarPolicy(p.HasHorizontalScrollbar ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area.setLineWrapMode(p.HasHorizontalScrollbar ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    QPalette palette = area.palette();
    palette.setColor(QPalette::Base, detail::ToQColor(p.BackgroundColor));
    ShowUnfocusedSelection(palette, !p.HideSelection);
    area.setPalette(palette);
    QTextOption option = area.document()->defaultTextOption();
    option.setAlignment(detail::ToAlignment(p.TextAlignment) & Qt::AlignHorizontal_Mask);
    area.document()->setDefaultTextOption(option);
}

}  // namespace

TextArea::TextArea(Window& owner, std::string name)
    : TextControl(owner, std::move(name), detail::MakeHost<AreaWidget>(owner, *this, true)) {
    SetProperties(TextAreaProperties{});
}

TextArea::~TextArea() = default;

void TextArea::SetProperties(const TextAreaProperties& p) {
    ApplyCommon(p.bounds, p.common);
    detail::ApplyFont(Host(), p.font);
    auto& area = Host().As<AreaWidget>();
    ApplyLook(area, p);
    area.setReadOnly(p.ReadOnly);
    area.setTabChangesFocus(!p.AllowTabs);
    area.maxChars = p.MaximumCharactersAllowed;
    SetText(p.Value);
}

std::string TextArea::Text() const {
    QString raw = Host().As<AreaWidget>().document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QChar('\r'));
    raw.replace(QChar::LineSeparator, QChar('\r'));
    return raw.toStdString();
}

void TextArea::SetText(const std::string& text) {
    auto& area = Host().As<AreaWidget>();
    area.ProgramChange([&] { area.setPlainText(FromProgramText(text)); });
}

// Inserts at the end only, so the cost follows the appended text, not the whole text.
void TextArea::AppendText(const std::string& text) {
    auto& area = Host().As<AreaWidget>();
    QTextCursor end(area.document());
    end.movePosition(QTextCursor::End);
    area.ProgramChange([&] {
        end.insertText(FromProgramText(text, LinesInLastParagraph(*area.document())), QTextCharFormat());
    });
    area.setTextCursor(end);
    area.ensureCursorVisible();
}

int64_t TextArea::Length() const { return Host().As<AreaWidget>().document()->characterCount() - 1; }

bool TextArea::ReadOnly() const { return Host().As<AreaWidget>().isReadOnly(); }

void TextArea::SetSelStart(int64_t position) {
    auto& area = Host().As<AreaWidget>();
    QTextCursor cursor(area.document());
    cursor.setPosition(static_cast<int>(std::clamp<int64_t>(position, 0, Length())));
    area.setTextCursor(cursor);
    area.ensureCursorVisible();
}

int64_t TextArea::SelStart() const { return Host().As<AreaWidget>().textCursor().position(); }

bool TextArea::IsEndInView() const {
    auto& area = Host().As<AreaWidget>();
    QTextCursor end(area.document());
    end.movePosition(QTextCursor::End);
    QRect caret = area.cursorRect(end);
    return caret.top() >= 0 && caret.bottom() <= area.viewport()->height();
}

}  // namespace fw
