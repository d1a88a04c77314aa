#include "framework/detail/TabOrder.h"

#include "framework/detail/WidgetHost.h"

#include <algorithm>

namespace fw::detail {

void ChainTabOrder(const std::vector<std::unique_ptr<Control>>& controls) {
    std::vector<RectControl*> stops;
    for (const auto& control : controls) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect && rect->TabStop() && (rect->Host().widget->focusPolicy() & Qt::TabFocus)) stops.push_back(rect);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1]->Host().widget, stops[i]->Host().widget);
}

}  // namespace fw::detail
