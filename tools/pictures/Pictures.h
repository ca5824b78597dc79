#pragma once
// The pictures of the program, each painted by its own function. Every tree
// stands with the foot of its stem at the bottom centre of its picture.
//
// Sizes follow the way the stand picture stretches them: a conifer is drawn
// about half as wide as it is high, a broadleaved tree about 0.29 times
// (0.21 leafless in winter), a moose square; so each picture has that shape
// and the tree fills it as it should look when drawn.

#include <QImage>

constexpr int kConiferWidth = 160;
constexpr int kConiferHeight = 320;
constexpr int kBroadleafWidth = 100;
constexpr int kBroadleafHeight = 340;
constexpr int kBareBroadleafWidth = 72;
constexpr int kMooseSize = 128;
constexpr int kSkyWidth = 1200;
constexpr int kSkyHeight = 160;

// Scots pine: a tall bare stem, grey and plated below, orange-red above,
// under a high, flat-topped crown of needle clumps. The alternate pine has a
// broad leaning umbrella crown; the winter pine carries snow on its clumps.
QImage PaintPine(bool alternate, bool winter);
// Norway spruce: a dark narrow cone of drooping branch tiers down to the
// ground. The alternate spruce grew in a dense stand (narrower, dry lower
// branches, the stem showing); the winter spruce is loaded with snow.
QImage PaintSpruce(bool alternate, bool winter);
// Birch: a white stem with black marks under a light, airy crown; the
// alternate one weeping. In winter leafless: white stem, purple-brown twigs.
QImage PaintBirch(bool alternate, bool winter);
// Aspen: a grey-green stem with dark marks and a high round crown.
QImage PaintAspen(bool winter);
// Alder: dark and bushy, two stems from one foot; in winter with its small
// black cones.
QImage PaintAlder(bool winter);
// The sky over the stand with a far forest edge on the horizon.
QImage PaintSky(bool winter);
// A moose seen from the side: the bull with palm antlers, or the cow
// grazing.
QImage PaintMoose(bool bull);
