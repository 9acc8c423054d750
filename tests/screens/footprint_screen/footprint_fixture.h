// The footprint map of a sample satellite pushed on a navigation stack in a phone-sized window,
// with or without a pass, the ground track shown.
#pragma once

#include <QDir>
#include <QPainter>
#include <QTest>

#include "FootprintController.h"
#include "FootprintGeometry.h"
#include "FootprintView.h"
#include "NavigationController.h"
#include "PassData.h"
#include "SatelliteData.h"
#include "ScrollView.h"
#include "screen_fixture.h"

class FootprintScreen : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        app.setShowFootprintTrack(true);
        app.setUseUTC(true);
    }

    FootprintController& open(const QString& name, bool withPass, QSize window = {360, 640}) {
        satellite = select(name);
        if (withPass) pass = std::make_shared<PassData>(*satellite, now);
        return open(window);
    }

    FootprintController& open(QSize window = {360, 640}) {
        navigation = std::make_unique<NavigationController>(std::make_unique<ViewController>());
        navigation->resize(window);
        navigation->show();
        auto screen = std::make_unique<FootprintController>(satellite, pass);
        map = screen.get();
        navigation->pushViewController(std::move(screen), true);
        return *map;
    }

    ScrollView& scroller() const { return *map->worldViewScroller(); }

    // The view showing a half of the map.
    FootprintView& viewOf(footprint::MapHalf half) const {
        return half == footprint::MapHalf::west ? *map->footprintView1() : *map->footprintView2();
    }

    // Saves the screen, and the two halves side by side in content order, when SKELVOR_SHOTS
    // names a directory.
    void shoot(const QString& name) const {
        const QString shots = qEnvironmentVariable("SKELVOR_SHOTS");
        if (shots.isEmpty()) return;
        QDir().mkpath(shots);
        const QString stem = shots + QStringLiteral("/footprint-") + name;
        navigation->grab().save(stem + QStringLiteral(".png"));
        FootprintView* left = map->footprintView1();
        FootprintView* right = map->footprintView2();
        if (left->offset() > right->offset()) std::swap(left, right);
        QImage halves(1024, 512, QImage::Format_RGB32);
        QPainter painter(&halves);
        painter.drawPixmap(0, 0, left->grab());
        painter.drawPixmap(512, 0, right->grab());
        painter.end();
        halves.save(stem + QStringLiteral("-halves.png"));
    }

    std::shared_ptr<SatelliteData> satellite;
    std::shared_ptr<PassData> pass;
    std::unique_ptr<NavigationController> navigation;
    FootprintController* map = nullptr;
};
