#include "ReportPdf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "formats/FormatTable.h"

namespace kvt::report {

namespace {

// The report's own texts are in the program's language (the translation the program installed);
// what the unit and the files hold (names, profile texts, field names) is shown as it stands.
struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(ServiceReport)
};

// A text of ServiceReport.cpp marked for translation there.
QString Translated(const std::string& text) {
    return ReportText::tr(text.c_str());
}

constexpr int kDpi = 300;
constexpr double kPageWidth = 595.0;  // A4 in points
constexpr double kPageHeight = 842.0;
constexpr double kMargin = 42.0;
constexpr double kContentWidth = kPageWidth - 2 * kMargin;
constexpr double kFooterTop = kPageHeight - kMargin + 12.0;

constexpr int kWrap = Qt::TextWordWrap;

// Text wraps at word boundaries; a word longer than a line (a pasted path or serial) gets break
// opportunities (zero-width spaces) so it wraps instead of running off the page.
QString Breakable(const QString& text) {
    constexpr int kLongestRun = 60;
    QString out;
    out.reserve(text.size());
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestRun) {
            out += QChar(0x200B);
            run = 1;
        }
        out += c;
    }
    return out;
}

const QColor kInk(0x20, 0x20, 0x20);
const QColor kMuted(0x70, 0x70, 0x70);
const QColor kRule(0xB0, 0xB0, 0xB0);
const QColor kGrid(0xDD, 0xDD, 0xDD);
const QColor kShade(0xF0, 0xF2, 0xF5);
const QColor kCurve(0x1F, 0x5F, 0xB0);
const QColor kFill(0x1F, 0x5F, 0xB0, 0x30);
const QColor kBefore(0xC0, 0x39, 0x2B);
const QColor kTarget(0x55, 0x55, 0x55);
const QColor kBad(0xB0, 0x20, 0x20);
const QColor kGood(0x1E, 0x7B, 0x34);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Q16(const std::u16string& text) {
    return QString::fromStdU16String(text.substr(0, text.find(u'\0')));
}

QString ChannelTitle(int channel, int32_t inputConfig) {
    return Translated(ChannelName(channel, inputConfig));
}

QString Db(double value) {
    return QString::asprintf("%+.1f dB", value);
}

QString YesNo(bool value) {
    return value ? ReportText::tr("yes") : ReportText::tr("no");
}

QString OrDash(const QString& text) {
    return text.trimmed().isEmpty() ? QStringLiteral("\u2013") : text;
}

// One column of a table: its title, its share of the width and whether it is right-aligned.
struct Column {
    QString title;
    double width;
    bool right = false;
};

// Lays out the report on A4 pages in points; every coordinate passes through P().
class Layout {
  public:
    Layout(QPdfWriter& writer, QString footer) : writer_(writer), footer_(std::move(footer)) {}

    bool Begin() {
        if (!painter_.begin(&writer_)) {
            return false;
        }
        StartPage();
        return true;
    }
    void End() {
        DrawFooter();
        painter_.end();
    }
    int Pages() const { return page_; }
    double Remaining() const { return kFooterTop - 18.0 - y_; }

    void NewPage() {
        DrawFooter();
        writer_.newPage();
        StartPage();
    }
    void EnsureSpace(double height) {
        if (Remaining() < height) {
            NewPage();
        }
    }
    void Skip(double height) { y_ += height; }

    void Title(const QString& title, const QString& subtitle) {
        SetFont(20, true);
        painter_.setPen(kInk);
        Text(QRectF(kMargin, y_, kContentWidth, 28), Qt::AlignLeft | Qt::AlignVCenter, title);
        y_ += 30;
        SetFont(10, false);
        painter_.setPen(kMuted);
        Text(QRectF(kMargin, y_, kContentWidth, 16), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
        y_ += 20;
        painter_.setPen(QPen(kInk, P(1.2)));
        painter_.drawLine(QPointF(P(kMargin), P(y_)), QPointF(P(kMargin + kContentWidth), P(y_)));
        y_ += 8;
    }

    // A section heading, kept with at least `keep` points of what follows.
    void Heading(const QString& text, double keep = 60.0) {
        EnsureSpace(24 + keep);
        SetFont(13, true);
        painter_.setPen(kCurve);
        Text(QRectF(kMargin, y_, kContentWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += 19;
        painter_.setPen(QPen(kCurve, P(0.8)));
        painter_.drawLine(QPointF(P(kMargin), P(y_)), QPointF(P(kMargin + kContentWidth), P(y_)));
        y_ += 6;
    }

    void Paragraph(const QString& plain, const QColor& colour = kInk, bool bold = false) {
        const QString text = Breakable(plain);
        SetFont(9.5, bold);
        const double height = WrappedHeight(text, kContentWidth);
        EnsureSpace(height);
        painter_.setPen(colour);
        Text(QRectF(kMargin, y_, kContentWidth, height), Qt::AlignLeft | kWrap, text);
        y_ += height + 4;
    }

    // Label/value pairs in `columns` side-by-side columns.
    void Pairs(const std::vector<std::pair<QString, QString>>& pairs, int columns = 1,
               double labelWidth = 130.0) {
        SetFont(9.5, false);
        const double columnWidth = kContentWidth / columns;
        const size_t rows = (pairs.size() + columns - 1) / columns;
        for (size_t row = 0; row < rows; ++row) {
            double height = 13.0;
            for (int c = 0; c < columns; ++c) {
                const size_t i = row + static_cast<size_t>(c) * rows;
                if (i < pairs.size()) {
                    height = std::max(height, WrappedHeight(Breakable(pairs[i].second),
                                                            columnWidth - labelWidth - 8) +
                                                  2);
                    // A label longer than its place (a translation) wraps as well.
                    height = std::max(height, WrappedHeight(pairs[i].first, labelWidth - 6) + 2);
                }
            }
            EnsureSpace(height);
            for (int c = 0; c < columns; ++c) {
                const size_t i = row + static_cast<size_t>(c) * rows;
                if (i >= pairs.size()) {
                    continue;
                }
                const double x = kMargin + c * columnWidth;
                SetFont(9.5, false);
                painter_.setPen(kMuted);
                Text(QRectF(x, y_, labelWidth - 6, height), Qt::AlignLeft | Qt::AlignTop | kWrap,
                     pairs[i].first);
                painter_.setPen(kInk);
                Text(QRectF(x + labelWidth, y_, columnWidth - labelWidth - 8, height),
                     Qt::AlignLeft | Qt::AlignTop | kWrap, Breakable(pairs[i].second));
            }
            y_ += height;
        }
        y_ += 4;
    }

    // A table with a header row repeated on every page it spans; `rowColours` may give a
    // colour per row for its text.
    void Table(const std::vector<Column>& columns, const std::vector<QStringList>& rows,
               double fontSize = 8.5) {
        const double rowHeight = fontSize + 4.5;
        double total = 0;
        for (const Column& column : columns) {
            total += column.width;
        }
        // A title longer than its column (a translation) wraps onto a second line.
        SetFont(fontSize, true);
        double headerHeight = rowHeight;
        for (const Column& column : columns) {
            const double width = column.width / total * kContentWidth;
            headerHeight =
                std::max(headerHeight, WrappedHeight(column.title, width - 6, fontSize + 2) + 3);
        }
        const auto header = [&] {
            EnsureSpace(headerHeight + rowHeight);
            painter_.fillRect(QRectF(P(kMargin), P(y_), P(kContentWidth), P(headerHeight)), kShade);
            SetFont(fontSize, true);
            painter_.setPen(kInk);
            double x = kMargin;
            for (const Column& column : columns) {
                const double width = column.width / total * kContentWidth;
                Text(QRectF(x + 3, y_, width - 6, headerHeight),
                     (column.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | kWrap,
                     column.title);
                x += width;
            }
            y_ += headerHeight;
        };
        header();
        for (size_t r = 0; r < rows.size(); ++r) {
            if (Remaining() < rowHeight) {
                NewPage();
                header();
            }
            SetFont(fontSize, false);
            painter_.setPen(kInk);
            double x = kMargin;
            for (size_t c = 0; c < columns.size(); ++c) {
                const double width = columns[c].width / total * kContentWidth;
                const QString cell = c < static_cast<size_t>(rows[r].size()) ? rows[r][c] : "";
                const QFontMetricsF metrics(painter_.font(), &writer_);
                Text(QRectF(x + 3, y_, width - 6, rowHeight),
                     (columns[c].right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                     metrics.elidedText(cell, Qt::ElideRight, P(width - 6)));
                x += width;
            }
            y_ += rowHeight;
            painter_.setPen(QPen(kGrid, P(0.4)));
            painter_.drawLine(QPointF(P(kMargin), P(y_)),
                              QPointF(P(kMargin + kContentWidth), P(y_)));
        }
        y_ += 8;
    }

    // The typed notes (as long as they are, over as many pages as they need), then a box of
    // ruled lines to write on.
    void NotesBox(const QString& notes) {
        const QString typed = notes.trimmed();
        if (!typed.isEmpty()) {
            for (const QString& line : typed.split(QLatin1Char('\n'))) {
                SetFont(10, false);
                // Very long lines are cut into pieces that each fit on a page.
                for (qsizetype at = 0; at < std::max<qsizetype>(line.size(), 1); at += 2000) {
                    Paragraph(line.mid(at, 2000));
                }
            }
            y_ += 6;
        }
        const double height = std::clamp(Remaining() - 60.0, 140.0, 320.0);
        EnsureSpace(height);
        painter_.setPen(QPen(kRule, P(0.8)));
        painter_.drawRect(Rect(QRectF(kMargin, y_, kContentWidth, height)));
        painter_.setPen(QPen(kGrid, P(0.5)));
        for (double line = y_ + 22.0; line < y_ + height - 8; line += 20.0) {
            painter_.drawLine(QPointF(P(kMargin + 8), P(line)),
                              QPointF(P(kMargin + kContentWidth - 8), P(line)));
        }
        y_ += height + 14;
    }

    void SignatureLines() {
        EnsureSpace(40);
        SetFont(9, false);
        painter_.setPen(QPen(kRule, P(0.6)));
        const double half = kContentWidth / 2;
        y_ += 22;
        painter_.drawLine(QPointF(P(kMargin), P(y_)), QPointF(P(kMargin + half - 20), P(y_)));
        painter_.drawLine(QPointF(P(kMargin + half + 20), P(y_)),
                          QPointF(P(kMargin + kContentWidth), P(y_)));
        painter_.setPen(kMuted);
        Text(QRectF(kMargin, y_ + 2, half, 12), Qt::AlignLeft, ReportText::tr("Technician"));
        Text(QRectF(kMargin + half + 20, y_ + 2, half, 12), Qt::AlignLeft,
             ReportText::tr("Date and signature"));
        y_ += 16;
    }

    QPainter& Painter() { return painter_; }
    double Y() const { return y_; }
    void SetY(double y) { y_ = y; }

    static double P(double points) { return points * kDpi / 72.0; }
    static QRectF Rect(const QRectF& points) {
        return {P(points.x()), P(points.y()), P(points.width()), P(points.height())};
    }
    void SetFont(double size, bool bold) {
        QFont font;
        // Chinese texts (a translation, a theatre's name) in the Simplified Chinese forms of the
        // CJK font, which DejaVu lacks; without it the fallback took the Japanese forms.
        font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
        font.setPointSizeF(size);
        font.setBold(bold);
        // No ligatures, so that the PDF's text can be searched and copied as it reads ("fi").
        font.setStyleStrategy(QFont::PreferNoShaping);
        painter_.setFont(font);
    }
    void Text(const QRectF& points, int flags, const QString& text) {
        painter_.drawText(Rect(points), flags, text);
    }

  private:
    void StartPage() {
        ++page_;
        y_ = kMargin;
    }
    void DrawFooter() {
        SetFont(7.5, false);
        painter_.setPen(kMuted);
        Text(QRectF(kMargin, kFooterTop, kContentWidth, 12), Qt::AlignLeft | Qt::AlignVCenter,
             footer_);
        Text(QRectF(kMargin, kFooterTop, kContentWidth, 12), Qt::AlignRight | Qt::AlignVCenter,
             ReportText::tr("Page %1").arg(page_));
    }
    double WrappedHeight(const QString& text, double width, double least = 12.0) {
        const QFontMetricsF metrics(painter_.font(), &writer_);
        const QRectF bounds =
            metrics.boundingRect(QRectF(0, 0, P(width), 1e6), Qt::AlignLeft | kWrap, text);
        return std::max(bounds.height() * 72.0 / kDpi, least);
    }

    QPdfWriter& writer_;
    QPainter painter_;
    QString footer_;
    int page_ = 0;
    double y_ = kMargin;
};

// ---- Plots -----------------------------------------------------------------------------------

struct Series {
    std::vector<double> hz;
    std::vector<std::optional<double>> db;
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    bool fill = false;  // shade to the 0 dB line
    bool dots = false;
};

struct PlotFrame {
    QRectF area;  // in points
    double minHz;
    double maxHz;
    double minDb;
    double maxDb;
    double dbStep;
};

double XOf(const PlotFrame& frame, double hz) {
    const double t = std::log10(hz / frame.minHz) / std::log10(frame.maxHz / frame.minHz);
    return frame.area.left() + t * frame.area.width();
}

double YOf(const PlotFrame& frame, double db) {
    const double clamped = std::clamp(db, frame.minDb, frame.maxDb);
    return frame.area.bottom() -
           (clamped - frame.minDb) / (frame.maxDb - frame.minDb) * frame.area.height();
}

void DrawPlot(Layout& layout, const PlotFrame& frame, const std::vector<Series>& series) {
    QPainter& painter = layout.Painter();
    const auto P = Layout::P;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(Layout::Rect(frame.area), Qt::white);
    layout.SetFont(6, false);
    // Decades and the usual third-octave marks.
    static constexpr double kMarks[] = {31.5, 63, 125, 250, 500, 1000, 2000, 4000, 8000, 16000};
    for (double hz : kMarks) {
        if (hz < frame.minHz || hz > frame.maxHz) {
            continue;
        }
        const double x = XOf(frame, hz);
        painter.setPen(QPen(kGrid, P(0.4)));
        painter.drawLine(QPointF(P(x), P(frame.area.top())), QPointF(P(x), P(frame.area.bottom())));
        painter.setPen(kMuted);
        const QString label = hz >= 1000 ? QString::number(hz / 1000) + "k" : QString::number(hz);
        layout.Text(QRectF(x - 15, frame.area.bottom() + 1, 30, 8), Qt::AlignCenter, label);
    }
    for (double db = frame.minDb; db <= frame.maxDb + 1e-9; db += frame.dbStep) {
        const double y = YOf(frame, db);
        painter.setPen(
            QPen(std::abs(db) < 1e-9 ? kRule : kGrid, P(std::abs(db) < 1e-9 ? 0.8 : 0.4)));
        painter.drawLine(QPointF(P(frame.area.left()), P(y)), QPointF(P(frame.area.right()), P(y)));
        painter.setPen(kMuted);
        layout.Text(QRectF(frame.area.left() - 22, y - 4, 20, 8), Qt::AlignRight | Qt::AlignVCenter,
                    QString::asprintf("%+g", db).replace("+0", "0"));
    }
    painter.setClipRect(Layout::Rect(frame.area));
    for (const Series& s : series) {
        // Runs of consecutive values; a missing value breaks the line.
        std::vector<QPointF> run;
        const auto flush = [&] {
            if (run.size() >= 2) {
                if (s.fill) {
                    QPainterPath path;
                    const double zero = P(YOf(frame, 0.0));
                    path.moveTo(run.front().x(), zero);
                    for (const QPointF& point : run) {
                        path.lineTo(point);
                    }
                    path.lineTo(run.back().x(), zero);
                    path.closeSubpath();
                    painter.fillPath(path, kFill);
                }
                painter.setPen(QPen(s.colour, P(1.1), s.style, Qt::RoundCap, Qt::RoundJoin));
                painter.drawPolyline(run.data(), static_cast<int>(run.size()));
            }
            if (s.dots) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(s.colour);
                for (const QPointF& point : run) {
                    painter.drawEllipse(point, P(1.3), P(1.3));
                }
                painter.setBrush(Qt::NoBrush);
            }
            run.clear();
        };
        for (size_t i = 0; i < s.hz.size() && i < s.db.size(); ++i) {
            if (!s.db[i]) {
                flush();
                continue;
            }
            run.emplace_back(P(XOf(frame, s.hz[i])), P(YOf(frame, *s.db[i])));
        }
        flush();
    }
    painter.setClipping(false);
    painter.setPen(QPen(kRule, P(0.6)));
    painter.drawRect(Layout::Rect(frame.area));
    painter.restore();
}

// ---- Sections --------------------------------------------------------------------------------

QString FormatName(const ParameterImage& image, int format) {
    if (format < 0 || format >= static_cast<int>(kFormats)) {
        return format == kNoPowerOnFormat ? ReportText::tr("none") : QString::number(format);
    }
    const FormatRecord& record = image.formats.records[static_cast<size_t>(format)];
    return QStringLiteral("%1 %2").arg(Q(record.Text(kFormatCode)), Q(record.Text(kFormatText1)));
}

QString ClockText(const UnitInfo& unit) {
    if (unit.unitDate.size() < 6 || unit.unitTime.size() < 6) {
        return ReportText::tr("not read");
    }
    const QString d = Q(unit.unitDate);
    const QString t = Q(unit.unitTime);
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(d.mid(0, 2), d.mid(2, 2), d.mid(4, 2), t.mid(0, 2), t.mid(2, 2), t.mid(4, 2));
}

QString StatusText(const ServiceReport& report) {
    const UnitInfo& unit = report.unit;
    if (!unit.connected) {
        return ReportText::tr("not connected (the configuration is the engine's)");
    }
    QStringList parts;
    parts << (unit.initialized ? ReportText::tr("connected, configuration read")
                               : ReportText::tr("connected, configuration not read"));
    parts << (unit.systemMute ? ReportText::tr("system muted") : ReportText::tr("not muted"));
    parts << ReportText::tr("playing %1").arg(FormatName(report.image, unit.mode));
    parts << ReportText::tr("fader %1").arg(unit.faderLevel / 10.0, 0, 'f', 1);
    const QString text = parts.join(QStringLiteral("; "));
    return text;
}

void UnitSection(Layout& layout, const ServiceReport& report) {
    const UnitInfo& unit = report.unit;
    layout.Heading(ReportText::tr("Unit"));
    layout.Pairs({
        {ReportText::tr("Serial number"), OrDash(Q(unit.serialNumber))},
        {ReportText::tr("Status"), StatusText(report)},
        {ReportText::tr("Port"), OrDash(Q(unit.port))},
        {ReportText::tr("Unit clock"), ClockText(unit)},
        {ReportText::tr("Controller firmware"), OrDash(Q(unit.controllerVersion))},
        {ReportText::tr("Processor controller"), OrDash(Q(unit.processorController))},
        {ReportText::tr("Output controller"), OrDash(Q(unit.outputController))},
        {ReportText::tr("Matrix DSP"), OrDash(Q(unit.matrixVersion))},
        {ReportText::tr("NR DSP A / B"),
         QStringLiteral("%1 / %2").arg(OrDash(Q(unit.nrVersions[0])),
                                       OrDash(Q(unit.nrVersions[1])))},
        {ReportText::tr("EQ DSP A / B"),
         QStringLiteral("%1 / %2").arg(OrDash(Q(unit.eqVersions[0])),
                                       OrDash(Q(unit.eqVersions[1])))},
    });
}

void ProfileSection(Layout& layout, const ServiceReport& report) {
    const Profile& profile = report.image.profile;
    const auto text = [&](ProfileField field) { return OrDash(Q16(profile.Text(field))); };
    layout.Heading(ReportText::tr("Profile"));
    layout.Pairs({
        {ReportText::tr("Theater"), text(ProfileField::TheaterName)},
        {ReportText::tr("Screen"), text(ProfileField::ScreenNumber)},
        {ReportText::tr("Project"), text(ProfileField::ProjectName)},
        {ReportText::tr("Projector"), text(ProfileField::ProjectorModel)},
        {ReportText::tr("Automation system"), text(ProfileField::AutomationSystem)},
        {ReportText::tr("Digital player 1"), text(ProfileField::DigitalPlayer1)},
        {ReportText::tr("Digital player 2"), text(ProfileField::DigitalPlayer2)},
        {ReportText::tr("Comments"), text(ProfileField::Comments)},
    });
}

void VerifySection(Layout& layout, const ServiceReport& report) {
    layout.Heading(ReportText::tr("Verify"), 30);
    const VerifyOutcome& verify = report.verify;
    if (!verify.ran) {
        layout.Paragraph(
            verify.note.empty() ? ReportText::tr("not verified") : Translated(verify.note), kMuted);
    } else if (verify.status == status::Ok && verify.mask == 0) {
        layout.Paragraph(ReportText::tr("Passed: the unit holds the configuration in this report "
                                        "(verification mask 0)."),
                         kGood, true);
    } else {
        layout.Paragraph(ReportText::tr("FAILED: the unit differs from the engine in: %1 "
                                        "(verification mask 0x%2). The configuration pages show "
                                        "the values read back from the unit.")
                             .arg(Q(VerifyMaskTextTranslated(verify.mask)))
                             .arg(verify.mask, 2, 16, QLatin1Char('0')),
                         kBad, true);
    }
}

QString Inputs(uint16_t flags) {
    QStringList inputs;
    const std::pair<uint16_t, const char*> kInputs[] = {
        {format_flag::P1, "P1"},        {format_flag::P2, "P2"},
        {format_flag::Aux, "Aux"},      {format_flag::Mic, "Mic"},
        {format_flag::NonSync, "NS"},   {format_flag::AESEBU, "AES/EBU"},
        {format_flag::SPDIF, "S/PDIF"},
    };
    for (const auto& [bit, name] : kInputs) {
        if ((flags & bit) != 0) {
            inputs << QString::fromLatin1(name);
        }
    }
    if ((flags & format_flag::Digital) != 0) {
        inputs << ReportText::tr("digital");
    }
    return inputs.join(QStringLiteral(", "));
}

QString Processing(uint16_t flags) {
    QStringList parts;
    if ((flags & format_flag::SlitEQ) != 0) {
        parts << ReportText::tr("slit EQ");
    }
    if ((flags & format_flag::MonoEQ) != 0) {
        parts << ReportText::tr("mono EQ");
    }
    if ((flags & format_flag::Matrix) != 0) {
        parts << ReportText::tr("matrix");
    }
    if ((flags & format_flag::MicPhase) != 0) {
        parts << ReportText::tr("mic inverted");
    }
    return parts.join(QStringLiteral(", "));
}

void FormatSection(Layout& layout, const ServiceReport& report) {
    const FormatTable& formats = report.image.formats;
    layout.Heading(ReportText::tr("Format table"), 120);
    QStringList buttons;
    for (size_t b = 0; b < kButtons; ++b) {
        buttons << QStringLiteral("%1: %2").arg(b + 1).arg(formats.buttonFormat[b] + 1);
    }
    layout.Pairs({
        {ReportText::tr("Formats in use"), QString::number(formats.formatCount)},
        {ReportText::tr("Power-on format"), formats.powerOnFormat == kNoPowerOnFormat
                                                ? ReportText::tr("none")
                                                : QString::number(formats.powerOnFormat + 1)},
        {ReportText::tr("Buttons (button: format)"), buttons.join(QStringLiteral("  "))},
    });
    std::vector<QStringList> rows;
    for (size_t f = 0; f < kFormats; ++f) {
        const FormatRecord& record = formats.records[f];
        const uint16_t flags = record.Flags();
        QStringList onButtons;
        for (size_t b = 0; b < kButtons; ++b) {
            if (formats.buttonFormat[b] == static_cast<int32_t>(f)) {
                onButtons << QString::number(b + 1);
            }
        }
        const int level = record.bytes[kLevelOffset];
        rows.push_back({QString::number(f + 1), Q(record.Text(kFormatCode)),
                        Q(record.Text(kFormatText1)), Q(record.Text(kFormatText2)), Inputs(flags),
                        QString::number((flags & format_flag::NRMask) >> format_flag::NRShift),
                        Processing(flags),
                        level == 0 ? ReportText::tr("keep") : QString::number(level / 10.0, 'f', 1),
                        onButtons.join(QStringLiteral(", "))});
    }
    layout.Table({{QStringLiteral("#"), 3, true},
                  {ReportText::tr("Code"), 5},
                  {ReportText::tr("Name"), 13},
                  {ReportText::tr("Line 2"), 10},
                  {ReportText::tr("Inputs"), 15},
                  {ReportText::tr("NR"), 4, true},
                  {ReportText::tr("Processing"), 16},
                  {ReportText::tr("Fader"), 7, true},
                  {ReportText::tr("Button"), 7}},
                 rows);
}

void SettingsSection(Layout& layout, const ServiceReport& report) {
    const ParameterImage& image = report.image;
    const auto v = [&](Param param, int index = 0) { return image.Get(param, {index, 0}); };
    layout.Heading(ReportText::tr("Inputs and system settings"));
    static constexpr const char* kHeadroom[] = {"0 dB", "-3 dB", "-6 dB"};
    const int headroom = std::clamp(static_cast<int>(v(Param::HeadroomAdjust)), 0, 2);
    layout.Pairs(
        {
            {ReportText::tr("Projector 1 gain L / R"),
             Db(v(Param::LeftInputGain, 0)) + " / " + Db(v(Param::RightInputGain, 0))},
            {ReportText::tr("Projector 2 gain L / R"),
             Db(v(Param::LeftInputGain, 1)) + " / " + Db(v(Param::RightInputGain, 1))},
            {ReportText::tr("Aux gain L / R"),
             Db(v(Param::LeftAuxGain)) + " / " + Db(v(Param::RightAuxGain))},
            {ReportText::tr("Mic gain L / R"),
             Db(v(Param::LeftMicGain)) + " / " + Db(v(Param::RightMicGain))},
            {ReportText::tr("Non-sync gain"), Db(v(Param::NonSyncGain))},
            {ReportText::tr("Slit EQ P1 / P2"),
             QString::asprintf("%.1f / %.1f kHz", v(Param::SlitEQ, 0), v(Param::SlitEQ, 1))},
            {ReportText::tr("Mono EQ"), QString::number(v(Param::MonoEQ), 'f', 2)},
            {ReportText::tr("Surround gain"), Db(v(Param::SurroundGain))},
            {ReportText::tr("Surround delay"), QStringLiteral("%1 ms").arg(v(Param::Delay))},
            {ReportText::tr("Subwoofer gain"), Db(v(Param::SubwooferGain))},
            {ReportText::tr("Subwoofer crossover"),
             QStringLiteral("%1 Hz").arg(v(Param::SubwooferFreq))},
            {ReportText::tr("Sub parametric EQ"),
             QString::asprintf("%.0f Hz, Q %.2f, %+.1f dB", v(Param::SubParametricFreq),
                               v(Param::SubParametricQ), v(Param::SubParametricGain))},
            {ReportText::tr("Digital input delay"),
             QStringLiteral("%1 ms").arg(v(Param::DigitalInputDelay))},
            {ReportText::tr("Digital surround delay"),
             QStringLiteral("%1 ms").arg(v(Param::DigitalSurroundDelay))},
            {ReportText::tr("Headroom"), QString::fromLatin1(kHeadroom[headroom])},
            {ReportText::tr("Channel configuration"), image.GetInt(Param::InputConfig) == 1
                                                          ? QStringLiteral("LCRC")
                                                          : QStringLiteral("7.1 (EX)")},
            {ReportText::tr("Digital fallback"),
             QString::number(image.GetInt(Param::DigitalFallbackMode))},
        },
        2, 128);
}

void ChannelPlots(Layout& layout, const ServiceReport& report) {
    const ParameterImage& image = report.image;
    const int32_t config = image.GetInt(Param::InputConfig);
    layout.Heading(ReportText::tr("Channels: equaliser curves"), 200);
    layout.Paragraph(ReportText::tr("The 27 third-octave band settings of each output channel "
                                    "(dB). Bass and treble shelves are given under each plot."),
                     kMuted);
    constexpr int kColumns = 2;
    constexpr double kGap = 24.0;
    const double cellWidth = (kContentWidth - kGap) / kColumns;
    constexpr double kCellHeight = 160.0;
    for (int channel = 0; channel < kChannels; ++channel) {
        const int column = channel % kColumns;
        if (column == 0) {
            layout.EnsureSpace(kCellHeight);
        }
        const double x = kMargin + column * (cellWidth + kGap);
        const double top = layout.Y();
        layout.SetFont(9, true);
        layout.Painter().setPen(kInk);
        layout.Text(QRectF(x, top, cellWidth, 12), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("%1  %2").arg(channel + 1).arg(ChannelTitle(channel, config)));
        Series bands;
        bands.colour = kCurve;
        bands.fill = true;
        bands.dots = true;
        for (int band = 0; band < kBands; ++band) {
            bands.hz.push_back(BandHertz(band));
            bands.db.push_back(image.Get(Param::EQBand, {channel, band}));
        }
        const PlotFrame frame{
            QRectF(x + 24, top + 16, cellWidth - 28, 100), 25.0, 20000.0, -6.0, 6.0, 3.0};
        DrawPlot(layout, frame, {bands});
        layout.SetFont(8, false);
        layout.Painter().setPen(kInk);
        const bool muted = image.mute[static_cast<size_t>(channel)];
        const bool inverted = image.invert[static_cast<size_t>(channel)];
        layout.Text(QRectF(x, top + 128, cellWidth, 11), Qt::AlignLeft | Qt::AlignVCenter,
                    ReportText::tr("Bass %1   Treble %2   Output %3")
                        .arg(Db(image.Get(Param::Bass, {channel, 0})),
                             Db(image.Get(Param::Treble, {channel, 0})),
                             Db(image.Get(Param::OutputGain, {channel, 0}))));
        layout.Painter().setPen(muted || inverted ? kBad : kMuted);
        layout.Text(QRectF(x, top + 140, cellWidth, 11), Qt::AlignLeft | Qt::AlignVCenter,
                    ReportText::tr("Delay %1 ms   Mute %2   Invert %3")
                        .arg(ChannelDelayMs(image, channel))
                        .arg(YesNo(muted), YesNo(inverted)));
        if (column == kColumns - 1 || channel == kChannels - 1) {
            layout.SetY(top + kCellHeight);
        }
    }
}

void ChannelTable(Layout& layout, const ServiceReport& report) {
    const ParameterImage& image = report.image;
    const int32_t config = image.GetInt(Param::InputConfig);
    layout.Heading(ReportText::tr("Output levels, delays, mute and invert"), 120);
    std::vector<QStringList> rows;
    for (int channel = 0; channel < kChannels; ++channel) {
        rows.push_back({QString::number(channel + 1), ChannelTitle(channel, config),
                        Db(image.Get(Param::OutputGain, {channel, 0})),
                        QStringLiteral("%1 ms").arg(ChannelDelayMs(image, channel)),
                        Db(image.Get(Param::Bass, {channel, 0})),
                        Db(image.Get(Param::Treble, {channel, 0})),
                        YesNo(image.mute[static_cast<size_t>(channel)]),
                        YesNo(image.invert[static_cast<size_t>(channel)])});
    }
    layout.Table({{QStringLiteral("#"), 3, true},
                  {ReportText::tr("Channel"), 16},
                  {ReportText::tr("Output level"), 10, true},
                  {ReportText::tr("Digital delay"), 10, true},
                  {ReportText::tr("Bass"), 9, true},
                  {ReportText::tr("Treble"), 9, true},
                  {ReportText::tr("Mute"), 7},
                  {ReportText::tr("Invert"), 7}},
                 rows, 9);
}

void EventLogSection(Layout& layout, const ServiceReport& report) {
    layout.Heading(ReportText::tr("Event log"));
    if (!report.logRead) {
        layout.Paragraph(ReportText::tr("The event log was not read."), kMuted);
        return;
    }
    if (report.log.empty()) {
        layout.Paragraph(ReportText::tr("The unit's event log is empty."), kMuted);
        return;
    }
    layout.Paragraph(ReportText::tr("The %1 most recent of %2 entries, oldest first.")
                         .arg(report.log.size())
                         .arg(report.logTotal),
                     kMuted);
    std::vector<QStringList> rows;
    for (const LogEntry& entry : report.log) {
        rows.push_back({Q(LogStamp(entry)), Q(entry.description)});
    }
    layout.Table({{ReportText::tr("Date and time"), 20}, {ReportText::tr("Event"), 80}}, rows);
}

void ChangesSection(Layout& layout, const ServiceReport& report) {
    layout.Heading(ReportText::tr("Changes during the visit"));
    if (!report.atConnect) {
        layout.Paragraph(ReportText::tr("No configuration from the start of the visit was given, "
                                        "so the changes are not known."),
                         kMuted);
        return;
    }
    const std::vector<config::FieldDifference> changes = report.Changes();
    if (changes.empty()) {
        layout.Paragraph(ReportText::tr("No changes: the configuration is the one the unit held "
                                        "when the visit began."),
                         kMuted);
        return;
    }
    layout.Paragraph(ReportText::tr("%1 fields differ from the configuration at the start of the "
                                    "visit.")
                         .arg(changes.size()),
                     kMuted);
    std::vector<QStringList> rows;
    for (const config::FieldDifference& change : changes) {
        rows.push_back({Q(change.name), Q(change.first.dump()), Q(change.second.dump())});
    }
    layout.Table({{ReportText::tr("Field"), 34},
                  {ReportText::tr("At the start"), 33},
                  {ReportText::tr("Now"), 33}},
                 rows);
}

void RoomEqSection(Layout& layout, const RoomEqResult& roomEq) {
    layout.NewPage();
    layout.Heading(ReportText::tr("Room EQ assistant"), 200);
    QStringList summary;
    summary << (roomEq.completed ? ReportText::tr("Completed") : ReportText::tr("Not completed"));
    if (!roomEq.failure.empty()) {
        summary.last() += QStringLiteral(" (%1)").arg(Q(roomEq.failure));
    }
    summary << (roomEq.dryRun ? ReportText::tr("dry run, nothing written")
                              : (roomEq.stored ? ReportText::tr("stored in the unit")
                                               : ReportText::tr("not stored")));
    if (!roomEq.target.empty()) {
        summary << ReportText::tr("target %1").arg(Q(roomEq.target));
    }
    layout.Paragraph(ReportText::tr("%1. Red: measured before; blue: %2; grey dashed: target "
                                    "(dB, third-octave bands).")
                         .arg(summary.join(QStringLiteral("; ")),
                              roomEq.dryRun ? ReportText::tr("predicted after")
                                            : ReportText::tr("measured after")),
                     kMuted);
    constexpr int kColumns = 2;
    constexpr double kGap = 24.0;
    const double cellWidth = (kContentWidth - kGap) / kColumns;
    constexpr double kCellHeight = 150.0;
    for (size_t i = 0; i < roomEq.channels.size(); ++i) {
        const RoomEqChannel& channel = roomEq.channels[i];
        const int column = static_cast<int>(i % kColumns);
        if (column == 0) {
            layout.EnsureSpace(kCellHeight);
        }
        const double x = kMargin + column * (cellWidth + kGap);
        const double top = layout.Y();
        double low = 0.0;
        double high = 0.0;
        for (const auto* curve : {&channel.target, &channel.before, &channel.after}) {
            for (const std::optional<double>& value : *curve) {
                if (value) {
                    low = std::min(low, *value);
                    high = std::max(high, *value);
                }
            }
        }
        const double step = 5.0;
        low = std::floor(low / step) * step;
        high = std::ceil(high / step) * step;
        if (high - low < 20.0) {
            const double missing = 20.0 - (high - low);
            low -= std::ceil(missing / 2 / step) * step;
            high = low + std::max(20.0, high - low);
        }
        const double gridStep = high - low > 40.0 ? 10.0 : step;
        layout.SetFont(9, true);
        layout.Painter().setPen(kInk);
        layout.Text(QRectF(x, top, cellWidth, 12), Qt::AlignLeft | Qt::AlignVCenter,
                    Q(channel.channel));
        layout.SetFont(8, false);
        layout.Painter().setPen(channel.withinTolerance ? kGood : kBad);
        layout.Text(QRectF(x, top, cellWidth, 12), Qt::AlignRight | Qt::AlignVCenter,
                    ReportText::tr("deviation %1 \u2192 %2 dB, %3")
                        .arg(channel.deviationBefore, 0, 'f', 1)
                        .arg(channel.deviationAfter, 0, 'f', 1)
                        .arg(channel.withinTolerance ? ReportText::tr("within tolerance")
                                                     : ReportText::tr("OUT OF TOLERANCE")));
        const double minHz = channel.hz.front();
        const double maxHz = channel.hz.back();
        const PlotFrame frame{
            QRectF(x + 24, top + 16, cellWidth - 28, 110), minHz, maxHz, low, high, gridStep};
        DrawPlot(layout, frame,
                 {{channel.hz, channel.target, kTarget, Qt::DashLine},
                  {channel.hz, channel.before, kBefore},
                  {channel.hz, channel.after, kCurve, Qt::SolidLine, false, true}});
        if (column == kColumns - 1 || i + 1 == roomEq.channels.size()) {
            layout.SetY(top + kCellHeight);
        }
    }
}

}  // namespace

std::string ChannelName(int channel, int32_t inputConfig) {
    static constexpr const char* kNames[] = {QT_TRANSLATE_NOOP("ServiceReport", "Left"),
                                             QT_TRANSLATE_NOOP("ServiceReport", "Center"),
                                             QT_TRANSLATE_NOOP("ServiceReport", "Right"),
                                             QT_TRANSLATE_NOOP("ServiceReport", "Left Surround"),
                                             QT_TRANSLATE_NOOP("ServiceReport", "Subwoofer"),
                                             QT_TRANSLATE_NOOP("ServiceReport", "Right Surround"),
                                             QT_TRANSLATE_NOOP("ServiceReport", "Left EX"),
                                             QT_TRANSLATE_NOOP("ServiceReport", "Right EX")};
    if (inputConfig == 1 && channel == 6) {
        return QT_TRANSLATE_NOOP("ServiceReport", "Left Center");
    }
    if (inputConfig == 1 && channel == 7) {
        return QT_TRANSLATE_NOOP("ServiceReport", "Right Center");
    }
    return channel >= 0 && channel < kChannels ? kNames[channel] : "";
}

double BandHertz(int band) {
    // Third-octave centres from 40 Hz (band 0) to 16 kHz (band 26), on 1 kHz.
    return 1000.0 * std::pow(2.0, (band - 14) / 3.0);
}

int ChannelDelayMs(const ParameterImage& image, int channel) {
    const int input = image.GetInt(Param::DigitalInputDelay);
    const int surround = image.GetInt(Param::DigitalSurroundDelay);
    switch (channel) {
        case 3:
        case 5:
            return input + surround;
        case 6:
        case 7:
            return image.GetInt(Param::InputConfig) == 1 ? input : input + surround;
        default:
            return input;
    }
}

std::string VerifyMaskTextTranslated(uint32_t mask) {
    QStringList parts;
    for (const std::string& part : VerifyMaskParts(mask)) {
        parts << Translated(part);
    }
    return parts.join(QStringLiteral(", ")).toStdString();
}

PdfResult WriteReportPdf(const ServiceReport& report, const std::string& path) {
    const QString target = QString::fromStdString(path);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return {0, path + ": cannot be written (" + file.errorString().toStdString() + ")"};
    }
    const Profile& profile = report.image.profile;
    const QString theater = Q16(profile.Text(ProfileField::TheaterName));
    const QString screen = Q16(profile.Text(ProfileField::ScreenNumber));
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(
            ReportText::tr("KVT-80 service report %1").arg(Q(report.unit.serialNumber)));
        writer.setCreator(Q(report.program));
        QStringList place;
        if (!theater.trimmed().isEmpty()) {
            place << theater.trimmed();
        }
        if (!screen.trimmed().isEmpty()) {
            place << ReportText::tr("screen %1").arg(screen.trimmed());
        }
        const QString serial = Q(report.unit.serialNumber).trimmed();
        Layout layout(writer,
                      ReportText::tr("KVT-80 service report \u00B7 %1 \u00B7 %2")
                          .arg(serial.isEmpty() ? ReportText::tr("no serial number") : serial,
                               Q(report.generated)));
        if (!layout.Begin()) {
            return {0, path + ": the PDF could not be started"};
        }
        place << Q(report.generated);
        if (!report.program.empty()) {
            place << Q(report.program);
        }
        layout.Title(ReportText::tr("KVT-80 Service Report"),
                     place.join(QStringLiteral("  \u00B7  ")));
        UnitSection(layout, report);
        ProfileSection(layout, report);
        VerifySection(layout, report);
        ChangesSection(layout, report);
        layout.NewPage();
        FormatSection(layout, report);
        SettingsSection(layout, report);
        layout.NewPage();
        ChannelPlots(layout, report);
        layout.NewPage();
        ChannelTable(layout, report);
        EventLogSection(layout, report);
        if (report.roomEq) {
            RoomEqSection(layout, *report.roomEq);
        }
        layout.Heading(ReportText::tr("Technician's notes"), 240);
        layout.NotesBox(QString::fromStdString(report.notes));
        layout.SignatureLines();
        layout.End();
        pages = layout.Pages();
    }
    if (!file.commit()) {
        return {0, path + ": cannot be written (" + file.errorString().toStdString() + ")"};
    }
    return {pages, {}};
}

}  // namespace kvt::report
