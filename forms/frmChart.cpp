// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "Career.h"
#include "FightLog.h"
#include "Game.h"
#include "Twips.h"

namespace {

struct ChartText {
  const char* name;
  const char* title;
  const char* axis;
};

constexpr std::array<ChartText, frmChart::Charts> Texts = {{
    {"chtPlace", "Place in the ranking", "Place (C = champion)"},
    {"chtStrength", "Strength", "Strength"},
    {"chtSpeed", "Speed", "Speed"},
    {"chtMoney", "Money", "Thousands of dollars"},
}};

// What each chart shows of a week.
double Value(int chart, const ringvale::WeekSample& week) {
  switch (chart) {
    case frmChart::Place:
      return week.Rank + 1;
    case frmChart::Strength:
      return week.Strength;
    case frmChart::Speed:
      return week.Speed;
    default:
      return week.Money / 1000;
  }
}

QString PlaceLabel(int rank) {
  return QString::fromStdString(ringvale::PlaceText(rank));
}

// Career week 1 is the start of year 0.
double Years(int careerWeek) {
  return (careerWeek - 1) / double(ringvale::WeeksPerYear);
}

// The place chart's upright axis: each place where Value() puts it, named as the game names it,
// the champion at the top.
QCategoryAxis* PlaceAxis() {
  auto* axis = new QCategoryAxis;
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  // Half a place to spare at either end, so the champion's line and label stay clear of the
  // title and a lone week's dot is not cut in half.
  axis->setStartValue(0.5);
  for (int rank = 0; rank < ringvale::RosterSize; ++rank) axis->append(PlaceLabel(rank), rank + 1);
  axis->setRange(0.5, ringvale::RosterSize + 0.5);
  axis->setReverse(true);
  axis->setTruncateLabels(false);
  return axis;
}

// A step of 1, 2 or 5 times a power of ten that covers `span` in at most five, so every label
// on the axis is a whole number and none repeats.
double WholeStep(double span) {
  for (double power = 1;; power *= 10) {
    for (double factor : {1, 2, 5}) {
      if (5 * factor * power >= span) return factor * power;
    }
  }
}

// Adds `points` to the line of `series` in `view` and draws again only the line's new end, where
// Qt would draw the whole plot again. The view passes over what the chart asks to draw until the
// chart has asked, which it does once back in the event loop.
void AppendDrawingTheEnd(QChartView& view, QLineSeries& series, const QList<QPointF>& points) {
  QPolygonF end(points);
  if (series.count() > 0) end.prepend(series.at(series.count() - 1));
  view.setViewportUpdateMode(QGraphicsView::NoViewportUpdate);
  series.append(points);
  QChart* chart = view.chart();
  for (QPointF& point : end) point = chart->mapToScene(chart->mapToPosition(point, &series));
  const int pen = series.pen().width() + 1;
  view.viewport()->update(
      view.mapFromScene(end.boundingRect()).boundingRect().adjusted(-pen, -pen, pen, pen));
  QMetaObject::invokeMethod(
      &view, [&view] { view.setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate); },
      Qt::QueuedConnection);
}

}  // namespace

frmChart::frmChart(ringvale::Game& game)
    : CareerWindow(game, "frmChart", QStringLiteral("Ringvale - Career Chart")) {
  auto* grid = new QGridLayout;
  for (int chart = 0; chart < Charts; ++chart) {
    const ChartText& text = Texts[chart];
    auto* series = new QLineSeries;
    series->setMarkerSize(10);  // shown for a lone week only
    auto* plot = new QChart;
    plot->addSeries(series);
    plot->legend()->hide();
    plot->setTitle(QString::fromUtf8(text.title));
    plot->setTitleFont(SansFont(9, true));
    plot->setMargins(QMargins(4, 4, 4, 4));
    auto* years = new QValueAxis;
    years->setTitleText(QStringLiteral("Year of the career"));
    // Places read as everywhere else: "C" for the champion, at the top, then 2 to 10.
    auto* values = chart == Place ? PlaceAxis() : new QValueAxis;
    values->setTitleText(QString::fromUtf8(text.axis));
    values->setLabelFormat(QStringLiteral("%.0f"));
    years->setLabelFormat(QStringLiteral("%.0f"));
    for (QValueAxis* axis : {years, values}) {
      axis->setLabelsFont(SansFont(8));
      axis->setTitleFont(SansFont(8));
    }
    plot->addAxis(years, Qt::AlignBottom);
    plot->addAxis(values, Qt::AlignLeft);
    series->attachAxis(years);
    series->attachAxis(values);

    auto* view = new QChartView(plot, this);
    view->setObjectName(text.name);
    // Unsmoothed: late in a career, smoothing the lines took two fifths of the charts' drawing
    // every week.
    view->setRenderHint(QPainter::Antialiasing, false);
    view->setMinimumSize(380, 260);
    view->setAccessibleName(QString::fromUtf8(text.title) + QStringLiteral(" week by week"));
    view->viewport()->setFocusPolicy(Qt::NoFocus);  // the view itself takes the focus
    grid->addWidget(view, chart / 2, chart % 2);
    plots_[chart] = {view, series, years, values};
  }
  Body()->addLayout(grid);
  AddCloseButton();
  Redraw();
}

void frmChart::Redraw() {
  const auto& weeks = game_.log.Weeks;
  const auto firstChange = seen_.FirstChange(game_, weeks);
  // Weeks are only ever added: anything else is another career, drawn afresh.
  const bool afresh = !firstChange || *firstChange < seen_.entries.size();
  const std::size_t from = afresh ? 0 : seen_.entries.size();
  const double lastYear = weeks.empty() ? 1 : std::max(1.0, std::ceil(Years(weeks.back().Week)));
  const double firstYear = weeks.empty() ? 0 : std::floor(Years(weeks.front().Week));
  for (int chart = 0; chart < Charts; ++chart) {
    Plot& plot = plots_[chart];
    QList<QPointF> points;
    double low = 0, high = 1;
    for (std::size_t i = 0; i < weeks.size(); ++i) {
      const double value = Value(chart, weeks[i]);
      if (i == 0) low = high = value;
      low = std::min(low, value);
      high = std::max(high, value);
      if (i >= from) points.append({Years(weeks[i].Week), value});
    }
    const auto axes = [&plot] {
      return std::array{plot.years->min(), plot.years->max(), plot.values->min(),
                        plot.values->max()};
    };
    const auto axesBefore = axes();
    // Whole years along the bottom.
    const double span = std::max(1.0, lastYear - firstYear);
    plot.years->setRange(firstYear, firstYear + span);
    plot.years->setTickCount(int(span) + 1);
    if (chart != Place) {
      // A little room above and below, so no line runs along the frame, but never below 0 for
      // what cannot be less.
      const double margin = std::max(1.0, high - low) / 20;
      const double step = WholeStep(high - low + 2 * margin);
      double bottom = std::floor((low - margin) / step) * step;
      if (low >= 0) bottom = std::max(0.0, bottom);
      const double top = std::max(bottom + step, std::ceil((high + margin) / step) * step);
      plot.values->setRange(bottom, top);
      plot.values->setTickCount(int(std::lround((top - bottom) / step)) + 1);
    }
    // A line of one point draws nothing: a lone week shows as a dot. The dot comes and goes with
    // the whole plot drawn again: Qt would leave it behind, or draw only the line's end over it.
    const bool dotChanged = plot.series->pointsVisible() != (weeks.size() == 1);
    plot.series->setPointsVisible(weeks.size() == 1);
    // Only the end of a plot drawn as it stands: Next Event plays many weeks in one click, and
    // what an earlier one changed is drawn whole with the rest.
    if (plot.settled && !afresh && !dotChanged && !points.isEmpty() && axes() == axesBefore) {
      AppendDrawingTheEnd(*plot.view, *plot.series, points);
    } else {
      plot.view->setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
      if (afresh)
        plot.series->replace(points);
      else
        plot.series->append(points);
      plot.view->viewport()->update();
    }
    if (plot.settled && (afresh || !points.isEmpty())) {
      plot.settled = false;
      QMetaObject::invokeMethod(
          plot.view, [&plot] { plot.settled = true; }, Qt::QueuedConnection);
    }
    const QString latest =
        weeks.empty()    ? QStringLiteral("no weeks played yet")
        : chart == Place ? QStringLiteral("latest ") + PlaceLabel(weeks.back().Rank)
                         : QStringLiteral("latest %1").arg(Value(chart, weeks.back()), 0, 'f', 0);
    const QString description =
        QString::fromUtf8(Texts[chart].title) + QStringLiteral(", ") + latest;
    // A reader hears of a chart only when what it says of it changed.
    if (plot.view->accessibleDescription() != description)
      plot.view->setAccessibleDescription(description);
  }
  if (afresh) seen_ = {game_.career.CareerPath, {}};
  seen_.entries.insert(seen_.entries.end(), weeks.begin() + std::ptrdiff_t(seen_.entries.size()),
                       weeks.end());
}
