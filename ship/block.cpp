#include "ship/ship.h"

Block::Block(BlockRoutine draw, const float* colour, float x0, float x1,
             float y0, float y1, float z0, float z1)
    : draw_routine(draw), floor_routine(draw_block_floor),
      ceiling_routine(draw_block_ceiling), colour(colour), x0(x0), x1(x1),
      y0(y0), y1(y1), z0(z0), z1(z1), variant(0)
{
}

Block::Block(BlockRoutine draw, const float* colour, float x0, float x1,
             float y0, float y1, float z0, float z1, float variant)
    : draw_routine(draw), floor_routine(draw_block_floor),
      ceiling_routine(draw_block_ceiling), colour(colour), x0(x0), x1(x1),
      y0(y0), y1(y1), z0(z0), z1(z1), variant(variant)
{
}

Block::Block(BlockRoutine draw, BlockRoutine floor, BlockRoutine ceiling,
             const float* colour, float x0, float x1, float y0, float y1,
             float z0, float z1)
    : draw_routine(draw), floor_routine(floor), ceiling_routine(ceiling),
      colour(colour), x0(x0), x1(x1), y0(y0), y1(y1), z0(z0), z1(z1),
      variant(0)
{
}

const Block* current_block;
