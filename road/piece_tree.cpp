#include "piece_tree.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace capset {

PieceBox BoxOf(const RoadPiece& piece) {
  const double largest = std::max(std::fabs(piece.begin.curvature), std::fabs(CurvatureOnPiece(piece, piece.length)));
  const double turn = std::min(largest * piece.length, std::numbers::pi / 2);
  // A last bit's worth more, for the rounding of the end points.
  const double stray = piece.length / 2 * std::sin(turn) + 1e-9 * (1 + piece.length);
  const PlanePoint a = piece.begin.point, b = piece.end;
  return {std::min(a.X, b.X) - stray, std::min(a.Y, b.Y) - stray, std::max(a.X, b.X) + stray,
          std::max(a.Y, b.Y) + stray};
}

PieceTree::PieceTree(const std::vector<RoadPiece>& pieces) {
  std::vector<PieceBox> boxes;
  boxes.reserve(pieces.size());
  for (const RoadPiece& p : pieces) boxes.push_back(BoxOf(p));
  nodes_.reserve(2 * pieces.size() / kPiecesPerLeaf + 2);
  if (!pieces.empty()) Build(boxes, 0, static_cast<int>(pieces.size()));
}

int PieceTree::Build(const std::vector<PieceBox>& boxes, int first, int last) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.push_back({});
  Node node{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL, first, last, -1, -1};
  for (int i = first; i < last; ++i) {
    node.minX = std::min(node.minX, boxes[i].minX);
    node.minY = std::min(node.minY, boxes[i].minY);
    node.maxX = std::max(node.maxX, boxes[i].maxX);
    node.maxY = std::max(node.maxY, boxes[i].maxY);
  }
  if (last - first > kPiecesPerLeaf) {
    const int middle = first + (last - first) / 2;
    node.left = Build(boxes, first, middle);
    node.right = Build(boxes, middle, last);
  }
  nodes_[index] = node;
  return index;
}

double PieceTree::DistanceTo(const Node& node, PlanePoint q) {
  const double dx = std::max({node.minX - q.X, 0.0, q.X - node.maxX});
  const double dy = std::max({node.minY - q.Y, 0.0, q.Y - node.maxY});
  // Not std::hypot: a box's distance is far from overflow, and this is the
  // search's innermost step.
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace capset
