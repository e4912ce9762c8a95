// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "CareerWindow.h"

class QChartView;
class QLineSeries;
class QValueAxis;

// Options > Career Chart: the player's place, strength, speed and money at the end of every
// week of the career, as four line charts over the years.
class frmChart final : public CareerWindow {
  Q_OBJECT

 public:
  explicit frmChart(ringvale::Game& game);
  void Redraw() override;

  enum Chart { Place, Strength, Speed, Money, Charts };

 private:
  struct Plot {
    QChartView* view;
    QLineSeries* series;
    QValueAxis *years, *values;
    bool settled = true;  // drawn as it stands: the event loop has run since it last changed
  };
  std::array<Plot, Charts> plots_;
  ShownLog<ringvale::WeekSample> seen_;
};
