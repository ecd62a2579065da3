#pragma once

#include <QList>
#include <QString>

// One --option of merion-cli: its name, what its value looks like (empty for a switch that takes
// none), what it does and what holds when it is not given. Commands pick their options from the
// shared definitions below, so an option reads and is described the same wherever it appears.
struct CliOption
{
    QString name; // without the leading dashes
    QString valueName;
    QString description;
    QString whenAbsent; // empty when nothing needs saying

    bool TakesValue() const { return !valueName.isEmpty(); }
};

namespace CliOptions
{
inline const CliOption Database{
    QStringLiteral("database"), QStringLiteral("PATH"),
    QStringLiteral("the project database, created with its tables when missing; only before COMMAND"),
    QStringLiteral("Adjustment.db in the user's application-data folder, or the one beside merion-cli when "
                   "there is one")};
inline const CliOption Help{QStringLiteral("help"), {},
                            QStringLiteral("prints the usage of the program or of COMMAND and ends"), {}};
inline const CliOption Version{QStringLiteral("version"), {}, QStringLiteral("prints the version and ends"), {}};

inline const CliOption Kind{QStringLiteral("kind"), QStringLiteral("KIND"),
                            QStringLiteral("the data kind: coor, code, meas, v2meas, roadstake, xsect, alignment, calc "
                                           "or its number"),
                            {}};
inline const CliOption Format{QStringLiteral("format"), QStringLiteral("1..8"),
                              QStringLiteral("the column order of a coordinate file"), QStringLiteral("1")};
inline const CliOption Separator{QStringLiteral("separator"), QStringLiteral("comma|space|tab"),
                                 QStringLiteral("what separates the columns of the output file"),
                                 QStringLiteral("comma")};
inline const CliOption Order{QStringLiteral("order"), QStringLiteral("en|ne"),
                             QStringLiteral("coordinates east then north, or north then east"), QStringLiteral("en")};
inline const CliOption Angles{QStringLiteral("angles"), QStringLiteral("dms|deg"),
                              QStringLiteral("angles as ddd.mmss or as decimal degrees"), QStringLiteral("dms")};
inline const CliOption Record{QStringLiteral("record"), QStringLiteral("meas|coor|roadstake|xsect|alignment"),
                              QStringLiteral("the T8 version 2 record kind; needed with v2, refused otherwise"), {}};
inline const CliOption Instrument{QStringLiteral("instrument"), QStringLiteral("t5|t8|v2"),
                                  QStringLiteral("T5/T5+, T8, or the T8 version 2 format; needed"), {}};
inline const CliOption Raw{QStringLiteral("raw"), QStringLiteral("FILE"),
                           QStringLiteral("saves the received text unchanged to FILE instead of parsing it"), {}};
inline const CliOption Device{QStringLiteral("device"), QStringLiteral("PATH"),
                              QStringLiteral("the serial device to open; the stored baud rate and framing apply"),
                              QStringLiteral("the device of the stored port number")};
inline const CliOption Progress{QStringLiteral("progress"), {},
                                QStringLiteral("prints \"received N bytes\" or \"sent N of M lines\" to standard "
                                               "error about once a second while the transfer runs"),
                                {}};
inline const CliOption Category{QStringLiteral("category"), QStringLiteral("coor|alignment"),
                                QStringLiteral("what the v2 upload sends: the point list or the alignment"),
                                QStringLiteral("coor")};
inline const CliOption Size{QStringLiteral("size"), QStringLiteral("WxH"),
                            QStringLiteral("the width and height of a PNG plot in pixels, each 16 to 16384"),
                            QStringLiteral("1600x1200")};
inline const CliOption NoLabels{QStringLiteral("no-labels"), {}, QStringLiteral("draws the points without their names"),
                                {}};
inline const CliOption Job{QStringLiteral("job"), QStringLiteral("1..20"),
                           QStringLiteral("the job number n of JOBn.DAT and JOBn.INX"), QStringLiteral("1")};

// The serial settings: an option not given keeps the stored value (the defaults when none is stored).
inline const CliOption Port{QStringLiteral("port"), QStringLiteral("1..6"), QStringLiteral("the serial port number"),
                            QStringLiteral("stored value, else 1")};
inline const CliOption Baud{QStringLiteral("baud"), QStringLiteral("RATE"),
                            QStringLiteral("1200, 2400, 4800, 9600, 19200, 38400, 57600 or 115200"),
                            QStringLiteral("stored value, else 9600")};
inline const CliOption Protocol{QStringLiteral("protocol"), QStringLiteral("none|ack-nak"),
                                QStringLiteral("the link protocol"), QStringLiteral("stored value, else none")};
inline const CliOption DataBits{QStringLiteral("data-bits"), QStringLiteral("7|8"),
                                QStringLiteral("data bits per character"), QStringLiteral("stored value, else 8")};
inline const CliOption StopBits{QStringLiteral("stop-bits"), QStringLiteral("1|1.5|2"), QStringLiteral("stop bits"),
                                QStringLiteral("stored value, else 1")};
inline const CliOption Parity{QStringLiteral("parity"), QStringLiteral("none|odd|even"), QStringLiteral("parity"),
                              QStringLiteral("stored value, else none")};
} // namespace CliOptions

// The computations.
namespace CliOptions
{
inline const CliOption Known{QStringLiteral("known"), QStringLiteral("FILE|coor"),
                             QStringLiteral("the known points: a coordinate file PT,N,E,Z,CODE, or the coordinate list"),
                             QStringLiteral("the job's own station and backsight coordinates")};
inline const CliOption JobKind{QStringLiteral("kind"), QStringLiteral("meas|v2meas"),
                               QStringLiteral("the measurement job to compute from"), QStringLiteral("meas")};
inline const CliOption Output{QStringLiteral("output"), QStringLiteral("FILE"),
                              QStringLiteral("writes the results as CSV to FILE"), {}};
inline const CliOption Report{QStringLiteral("report"), QStringLiteral("FILE"),
                              QStringLiteral("writes the report to FILE: PDF when it ends in .pdf, text otherwise"), {}};
inline const CliOption Refraction{QStringLiteral("refraction"), QStringLiteral("K|off"),
                                  QStringLiteral("the refraction coefficient (-1 to 1) for earth curvature and "
                                                 "refraction in heights, or off"),
                                  QStringLiteral("0.14")};
inline const CliOption Scale{QStringLiteral("scale"), QStringLiteral("F"),
                             QStringLiteral("the projection scale factor on horizontal distances (0.5 to 2)"),
                             QStringLiteral("1")};
inline const CliOption Tolerance{QStringLiteral("tolerance"), QStringLiteral("MM"),
                                 QStringLiteral("a point differing more from the instrument's coordinates is flagged"),
                                 QStringLiteral("10")};
inline const CliOption Route{QStringLiteral("route"), QStringLiteral("A,B,S1,…,Sn,C,D"),
                             QStringLiteral("the traverse's points in order: A→B and C→D the known orientations "
                                            "(a closed loop A,B,…,B,A); needed"),
                             {}};
inline const CliOption Grade{QStringLiteral("grade"), QStringLiteral("NAME"),
                             QStringLiteral("the traverse grade to hold the misclosures to, from the project's grade "
                                            "table"),
                             QStringLiteral("the best grade the traverse meets")};
} // namespace CliOptions
