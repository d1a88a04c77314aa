#include "framework/TextArea.h"

#include "framework/detail/AreaWidget.h"
#include "framework/detail/WidgetHost.h"

#include <QTextBlock>
#include <QTextCursor>

namespace fw {
namespace {

// A cursor reports the character before it, except that at the start of a block it
// reports the one after: a line end's own format is the next block's character format.
QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    QTextBlock block = document.findBlock(position);
    if (position == block.position() + block.length() - 1 && block.next().isValid())
        return block.next().charFormat();
    QTextCursor at(const_cast<QTextDocument*>(&document));
    at.setPosition(position + 1);
    return at.charFormat();
}

}  // namespace

void StyledText::SetBold(int64_t start, int64_t length, bool bold) {
    auto& editor = area_.Host().As<detail::AreaWidget>();
    QTextDocument& document = *editor.document();
    int64_t last = document.characterCount() - 1;
    QTextCursor range(&document);
    range.setPosition(static_cast<int>(std::clamp<int64_t>(start, 0, last)));
    range.setPosition(static_cast<int>(std::clamp<int64_t>(start + length, 0, last)), QTextCursor::KeepAnchor);
    QTextCharFormat weight;
    weight.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    editor.ProgramChange([&] { range.mergeCharFormat(weight); });
}

bool StyledText::Bold(int64_t position) const {
    QTextDocument& document = *area_.Host().As<detail::AreaWidget>().document();
    if (position < 0 || position >= document.characterCount() - 1) return false;
    return FormatAt(document, static_cast<int>(position)).fontWeight() >= QFont::Bold;
}

}  // namespace fw
