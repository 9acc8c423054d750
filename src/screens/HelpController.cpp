#include "HelpController.h"

#include "InformationDisplayController.h"
#include "NavigationController.h"

HelpController::HelpController() { setTitle(tr("Help")); }

const std::vector<HelpSection>& HelpController::sections() {
    static const std::vector<HelpSection> topics = {
        {tr("Overview"),
         {{tr("General Overview and Introduction"), 0, QStringLiteral("overview")}}},
        {tr("Displays"),
         {{tr("Tracking"), 0, QStringLiteral("tracking")},
          {tr("Timeline"), 1, QStringLiteral("timeline")},
          {tr("Satellite 'Radar' Plot"), 1, QStringLiteral("radar")},
          {tr("Footprint Display"), 2, QStringLiteral("footprint")},
          {tr("Satellite Details"), 2, QStringLiteral("details")},
          {tr("Frequency Editor"), 3, QStringLiteral("freqeditor")},
          {tr("Comments Editor"), 3, QStringLiteral("commeditor")},
          {tr("Satellite Selection"), 0, QStringLiteral("satselection")},
          {tr("Satellite List"), 1, QStringLiteral("satlist")},
          {tr("Satellite Search"), 1, QStringLiteral("satsearch")},
          {tr("Preferences"), 0, QStringLiteral("preferences")},
          {tr("Information"), 0, QStringLiteral("information")}}},
        {tr("Miscellaneous"),
         {{tr("TLE Files"), 0, QStringLiteral("tlefiles")},
          {tr("Screen Navigation"), 0, QStringLiteral("navigation")},
          {tr("Accuracy of Information"), 0, QStringLiteral("accuracy")}}},
        {tr("Getting Started"), {{tr("Initial Setup"), 0, QStringLiteral("setup")}}},
        {tr("About"), {{tr("About this program"), 0, QStringLiteral("about")}}}};
    return topics;
}

void HelpController::loadView() {
    auto* table = new TableView(TableViewStyle::grouped);
    table->setDataSource(this);
    table->setDelegate(this);
    table->reloadData();
    tableView_ = table;
    setView(table);
}

void HelpController::viewWillAppear(bool) {
    if (const auto selected = tableView_->indexPathForSelectedRow()) {
        tableView_->deselectRow(*selected, false);
    }
}

int HelpController::numberOfSections() { return static_cast<int>(sections().size()); }

int HelpController::numberOfRowsInSection(int section) {
    return static_cast<int>(sections().at(static_cast<std::size_t>(section)).topics.size());
}

QString HelpController::titleForHeaderInSection(int section) {
    return sections().at(static_cast<std::size_t>(section)).name;
}

const HelpTopic& HelpController::topicAt(IndexPath path) const {
    return sections()
        .at(static_cast<std::size_t>(path.section))
        .topics.at(static_cast<std::size_t>(path.row));
}

TableViewCell HelpController::cellForRow(IndexPath path) {
    const HelpTopic& topic = topicAt(path);
    TableViewCell cell;
    cell.text = topic.title;
    cell.indentationLevel = topic.indent;
    cell.accessory = AccessoryType::disclosureIndicator;
    return cell;
}

void HelpController::didSelectRow(IndexPath path) {
    const HelpTopic& topic = topicAt(path);
    auto information = std::make_unique<InformationDisplayController>(topic.fileName);
    information->setCategoryName(topic.title);
    navigationController()->pushViewController(std::move(information), true);
}
