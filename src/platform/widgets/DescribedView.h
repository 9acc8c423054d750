// A view that paints what it shows and tells assistive technology about it: its role (a chart,
// a picture), its name, and a description of what it shows at the moment. Qt's accessibility
// asks for them through an interface made for every such view.
#pragma once

#include <QAccessible>
#include <QWidget>

class DescribedView : public QWidget {
public:
    explicit DescribedView(QWidget* parent = nullptr);

    virtual QAccessible::Role accessibleRole() const = 0;
    // What the view shows now, in words.
    virtual QString accessibleSummary() const = 0;

protected:
    // Tells assistive technology when the summary differs from the one it was last told of.
    void summaryChanged();

private:
    QString lastSummary_;
};
