#pragma once
// What the parts of a creature picture share: the canvas, the painting job,
// the shaded and outlined shapes everything is built from, and the parts
// themselves, each kind in its own file. Part of the creature painter
// (creature_art.h); not for other code.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include "painter/art_look.h"
#include "painter/art_palette.h"

namespace zorikan::painter {

// Everything is drawn on a 64 x 64 canvas and scaled to the wanted size.
constexpr double kCanvas = 64.0;

// A head: its centre and radius on the canvas.
struct Head {
    QPointF c;
    double r;
};

// What one painting job needs at hand.
struct Ctx {
    QPainter& p;
    const Look& k;
    const Palette& pal;
    double ow;         // outline width in canvas units
    bool compact;      // painting a small list picture: skip fine detail
    double eyeBoost;   // list pictures: eyes larger than the head alone gives
    double headBoost;  // list pictures: heads and faces a little larger
};

// ---- shapes (art_shapes.cpp) ----

QPen outlinePen(const Ctx& c, const QColor& color, double factor = 1.0);
// A body part lit from the upper left.
QBrush shaded(const QRectF& r, const Tones& t);
void fillOutlined(Ctx& c, const QPainterPath& path, const QBrush& fill, const QColor& line,
                  double factor = 1.0);
// A shape shaded in the tones t and outlined in their line colour.
void part(Ctx& c, const QPainterPath& path, const Tones& t);
// A limb or tail drawn as a thick stroke with an outline around it.
void tube(Ctx& c, const QPainterPath& path, double width, const QColor& fill, const QColor& line);
QPainterPath ellipse(QPointF center, double rx, double ry);
// An egg: tw < 1 makes the top pointier, bw > 1 the bottom flatter, and
// k > 0 moves the widest point down.
QPainterPath egg(QPointF center, double rx, double ry, double tw, double bw, double k);
// A pointed leaf or petal from base (0,0) to tip (0,-len), width w.
QPainterPath leaf(double len, double w, double bend = 0.0);
// A horn or spike from a base w wide at (0,0) to a tip len above, leaning by bend.
QPainterPath cone(double len, double w, double bend);
// A fin pointing along +x: a rounded fan, or a forked tail fin.
QPainterPath fan(double len, double root, bool forked);
// The point degreesFromTop round the head from its top, radiusFactor radii out.
QPointF onHead(const Head& h, double degreesFromTop, double radiusFactor = 1.0);
// A soft shadow on the ground under the creature.
void shadow(Ctx& c, double cx, double y, double rx, int alpha = 46);

// ---- parts ----

// Everything that sits behind the head: ears, horns, crest (art_head.cpp).
void drawHeadBack(Ctx& c, const Head& h);
// Eyes, mouth or beak, cheeks and face markings (art_face.cpp).
void drawFace(Ctx& c, const Head& h);
// Beaks and bird feet: the accent colour warmed towards gold (art_face.cpp).
Tones beakTones(const Ctx& c);
// A body part with its shading, markings and outline (art_markings.cpp).
void body(Ctx& c, const QPainterPath& path, const QRectF& patternArea);
// The tail from a, pointing to side s, reaching at most `reach` (art_tails.cpp).
void drawTail(Ctx& c, QPointF a, int s, double reach);
// Feet, arms and wings (art_limbs.cpp).
void foot(Ctx& c, QPointF at, double rx, double ry);
void arms(Ctx& c, QPointF shoulder, double width);
void drawWings(Ctx& c, int kind, QPointF shoulder, double span);

// ---- the body families ----

// Face on the body (art_round_bodies.cpp).
void paintBlob(Ctx& c);
void paintBird(Ctx& c);
void paintAquatic(Ctx& c);
void paintGolem(Ctx& c);
void paintFloater(Ctx& c);
// A head of their own on a body (art_headed_bodies.cpp).
void paintBiped(Ctx& c);
void paintQuadruped(Ctx& c);
void paintSerpent(Ctx& c);
void paintBug(Ctx& c);

}  // namespace zorikan::painter
