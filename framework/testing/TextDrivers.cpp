#include "framework/testing/Interaction.h"

#include "framework/TextArea.h"
#include "framework/detail/AreaWidget.h"
#include "framework/detail/WidgetHost.h"

#include <QTextCursor>

namespace fw::testing {

void CutTextBack(TextArea& area, int64_t length) {
    QTextCursor tail(area.Host().As<detail::AreaWidget>().document());
    tail.setPosition(static_cast<int>(length));
    tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    tail.removeSelectedText();
}

}  // namespace fw::testing
