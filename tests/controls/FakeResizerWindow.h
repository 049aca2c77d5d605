#pragma once

#include "controls/ResizerWindow.h"

#include <algorithm>
#include <vector>

// A window made of plain records, for laying out without widgets.
class FakeResizerWindow final : public ResizerWindow {
public:
    struct Control {
        QString typeName;
        QString name;
        std::optional<int> index;
        QString tag;
        Geometry geometry;
    };

    FakeResizerWindow(int width, int height)
        : m_width(width)
        , m_height(height) {}

    void add(const QString& name, const QString& tag, Geometry geometry,
             const QString& typeName = "Frame", std::optional<int> index = std::nullopt) {
        controls.push_back({typeName, name, index, tag, geometry});
    }
    Control& control(const QString& name) {
        return *std::find_if(controls.begin(), controls.end(),
                             [&](const Control& c) { return c.name == name; });
    }
    Geometry& at(const QString& name) { return control(name).geometry; }
    void resize(int width, int height) { m_width = width, m_height = height; }

    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void setWidth(int twips) override { m_width = twips; }
    void setHeight(int twips) override { m_height = twips; }
    State state() const override { return windowState; }
    int controlCount() const override { return static_cast<int>(controls.size()); }
    QString typeName(int position) const override { return get(position).typeName; }
    QString name(int position) const override { return get(position).name; }
    std::optional<int> index(int position) const override { return get(position).index; }
    QString tag(int position) const override { return get(position).tag; }
    void setTag(int position, const QString& tag) override { controls[position].tag = tag; }
    std::optional<Geometry> geometry(int position) const override { return get(position).geometry; }
    bool move(int position, int left, int top, int width, std::optional<int> height) override {
        auto& c = controls[position];
        c.geometry = {left, top, width, height.value_or(c.geometry.height)};
        ++moves;
        return true;
    }

    std::vector<Control> controls;
    State windowState = State::Normal;
    int moves = 0;

private:
    const Control& get(int position) const { return controls[position]; }
    int m_width;
    int m_height;
};
