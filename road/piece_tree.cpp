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

namespace {

// The nodes of the tree over n pieces, as Build splits them.
int NodeCount(int n) { return n <= kPiecesPerLeaf ? 1 : 1 + NodeCount(n / 2) + NodeCount(n - n / 2); }

}  // namespace

PieceTree::PieceTree(const std::vector<RoadPiece>& pieces) {
  nodes_.reserve(NodeCount(static_cast<int>(pieces.size())));
  if (!pieces.empty()) Build(pieces, 0, static_cast<int>(pieces.size()));
}

// A leaf's box holds its pieces' boxes; a node's holds its children's, so
// each piece's box is made once.
int PieceTree::Build(const std::vector<RoadPiece>& pieces, int first, int last) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.push_back({});
  Node node{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL, first, last, -1, -1};
  auto hold = [&node](double minX, double minY, double maxX, double maxY) {
    node.minX = std::min(node.minX, minX);
    node.minY = std::min(node.minY, minY);
    node.maxX = std::max(node.maxX, maxX);
    node.maxY = std::max(node.maxY, maxY);
  };
  if (last - first > kPiecesPerLeaf) {
    const int middle = first + (last - first) / 2;
    node.left = Build(pieces, first, middle);
    node.right = Build(pieces, middle, last);
    for (const int child : {node.left, node.right}) {
      const Node& c = nodes_[child];
      hold(c.minX, c.minY, c.maxX, c.maxY);
    }
  } else {
    for (int i = first; i < last; ++i) {
      const PieceBox b = BoxOf(pieces[i]);
      hold(b.minX, b.minY, b.maxX, b.maxY);
    }
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
