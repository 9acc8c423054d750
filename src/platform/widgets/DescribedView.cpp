#include "DescribedView.h"

#include <QAccessibleWidget>

namespace {

class DescribedViewInterface : public QAccessibleWidget {
public:
    explicit DescribedViewInterface(DescribedView* view)
        : QAccessibleWidget(view, view->accessibleRole()) {}

    QAccessible::Role role() const override { return view()->accessibleRole(); }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description && view()->accessibleDescription().isEmpty()) {
            return view()->accessibleSummary();
        }
        return QAccessibleWidget::text(kind);
    }

private:
    DescribedView* view() const { return static_cast<DescribedView*>(widget()); }
};

QAccessibleInterface* describedViewFactory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<DescribedView*>(object)) return new DescribedViewInterface(view);
    return nullptr;
}

}  // namespace

DescribedView::DescribedView(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&describedViewFactory);
        return true;
    }();
    (void)installed;
}

void DescribedView::summaryChanged() {
    QString summary = accessibleSummary();
    if (summary == lastSummary_) return;
    lastSummary_ = std::move(summary);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
