// The help tab: the help topics in sections, indented as the screens lead into one another;
// a tap opens the topic's text.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <vector>

#include "TableView.h"
#include "ViewController.h"

struct HelpTopic {
    QString title;
    int indent = 0;
    QString fileName;  // the base name of the text resource
};

struct HelpSection {
    QString name;
    std::vector<HelpTopic> topics;
};

class HelpController : public ViewController, public TableViewDataSource, public TableViewDelegate {
    Q_DECLARE_TR_FUNCTIONS(HelpController)

public:
    HelpController();

    // The topics shown, in order.
    static const std::vector<HelpSection>& sections();

    TableView* tableView() const { return tableView_; }

    void viewWillAppear(bool animated) override;

    int numberOfSections() override;
    int numberOfRowsInSection(int section) override;
    TableViewCell cellForRow(IndexPath path) override;
    QString titleForHeaderInSection(int section) override;
    void didSelectRow(IndexPath path) override;

protected:
    void loadView() override;

private:
    const HelpTopic& topicAt(IndexPath path) const;

    QPointer<TableView> tableView_;
};
