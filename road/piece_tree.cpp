#include "piece_tree.h"

#include <algorithm>
#include <cmath>

namespace capset {

PieceCircle CircleOf(const RoadPiece& piece) {
  return {{(piece.begin.point.X + piece.end.X) / 2, (piece.begin.point.Y + piece.end.Y) / 2}, piece.length / 2};
}

PieceTree::PieceTree(const std::vector<RoadPiece>& pieces) {
  std::vector<PieceCircle> circles;
  circles.reserve(pieces.size());
  for (const RoadPiece& p : pieces) circles.push_back(CircleOf(p));
  nodes_.reserve(2 * pieces.size() / kPiecesPerLeaf + 2);
  if (!pieces.empty()) Build(circles, 0, static_cast<int>(pieces.size()));
}

int PieceTree::Build(const std::vector<PieceCircle>& circles, int first, int last) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.push_back({});
  Node node{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL, first, last, -1, -1};
  for (int i = first; i < last; ++i) {
    const PieceCircle& c = circles[i];
    node.minX = std::min(node.minX, c.centre.X - c.radius);
    node.minY = std::min(node.minY, c.centre.Y - c.radius);
    node.maxX = std::max(node.maxX, c.centre.X + c.radius);
    node.maxY = std::max(node.maxY, c.centre.Y + c.radius);
  }
  if (last - first > kPiecesPerLeaf) {
    const int middle = first + (last - first) / 2;
    node.left = Build(circles, first, middle);
    node.right = Build(circles, middle, last);
  }
  nodes_[index] = node;
  return index;
}

double PieceTree::DistanceTo(const Node& node, PlanePoint q) {
  const double dx = std::max({node.minX - q.X, 0.0, q.X - node.maxX});
  const double dy = std::max({node.minY - q.Y, 0.0, q.Y - node.maxY});
  return std::hypot(dx, dy);
}

}  // namespace capset
