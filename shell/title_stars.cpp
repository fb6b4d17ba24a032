#include "shell/title_stars.h"

#include <algorithm>

#include "platform/random.h"

namespace quill {
using platform::random;

void StartTitleStar(TitleStar& s) {
    s.x = random(640);
    s.y = 490;
    if (random(2) == 0) s.x = 641;
    s.kind = random(2);
    s.frame = random(6);
    s.age = 1;
    s.lifetime = random(50) + 10;
    if (s.kind == 0) {
        s.speed_x = random(12) + 5;
        s.speed_y = random(10) + 3;
    } else {
        s.speed_x = random(5) + 2;
        s.speed_y = random(6) + 2;
    }
    if (s.x > 640) {  // starting beyond the right edge: anywhere in height, flatter
        s.y = random(480);
        s.speed_y -= 1;
        s.speed_x += 1;
    }
}

void DrawTitleStars(Game& g) {
    for (TitleStar& s : g.stars) {
        if (s.age == 0) StartTitleStar(s);
        s.x -= s.speed_x;
        s.y -= s.speed_y;
        s.age += 1;
        if (s.age < s.lifetime) {  // slowing down
            if (g.tick_count % 5 == 0) s.speed_x -= 1;
            s.speed_x = std::max(s.speed_x, 1);
            if (g.tick_count % 8 == 0) s.speed_y -= 1;
            s.speed_y = std::max(s.speed_y, 1);
        }
        if (s.age > s.lifetime) {  // speeding up
            if (g.tick_count % 5 == 0) s.speed_x += 1;
            if (g.tick_count % 3 == 0) s.speed_y += 1;
        }
        s.frame = s.frame >= 5 ? 0 : s.frame + 1;
        if (s.x > 650 || s.y < -10) s.age = 0;
        const platform::Bitmap& cell = g.sprites[kSpriteLargeStars + 6 * s.kind + s.frame];
        g.cg().or_combine(cell, s.x, s.y, cell.width(), cell.height());
    }
}

}  // namespace quill
