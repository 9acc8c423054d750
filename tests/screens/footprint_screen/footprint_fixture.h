// The footprint map of a sample satellite pushed on a navigation stack in a window of a given
// size, phone-sized unless told otherwise, with or without a pass, the ground track shown.
#pragma once

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

    // Screen points of a point of the map.
    QPointF onScreen(QPointF mapPoint) const { return mapPoint * map->mapScale(); }

    std::shared_ptr<SatelliteData> satellite;
    std::shared_ptr<PassData> pass;
    std::unique_ptr<NavigationController> navigation;
    FootprintController* map = nullptr;
};
