#pragma once
// A bounding tree over the road's pieces, for the nearest-foot search.
//
// Each piece lies within a circle about the midpoint of its chord with a
// radius of half its length: a point at h along it is within h of its
// start and within length − h of its end, so within length/2 of their
// middle (the search's lower bound of a region uses that circle). Its box is
// tighter: a piece's tangent turns one way by φ = max|κ|·length ≤ 0.5 rad, so
// the chord's direction lies among its tangents and every tangent lies within
// φ of it; a point of the piece then strays from the chord by at most
// (length/2)·sin φ, and a straight's box is its own. The tree's nodes hold
// the boxes over runs of consecutive pieces, which lie together because the
// road is continuous.

#include <vector>

#include "road_piece.h"

namespace capset {

struct PieceBox {
  double minX, minY, maxX, maxY;
};

PieceBox BoxOf(const RoadPiece& piece);

class PieceTree {
 public:
  PieceTree() = default;
  explicit PieceTree(const std::vector<RoadPiece>& pieces);

  // Calls visit(piece index) for every piece whose box lies nearer to q than
  // bound() says, nearer boxes first; `bound` is asked again after each visit.
  template <typename Visit, typename Bound>
  void Search(PlanePoint q, Visit&& visit, Bound&& bound) const;

 private:
  struct Node {
    double minX, minY, maxX, maxY;
    int first, last;  // pieces [first, last)
    int left, right;  // children, −1 for a leaf
  };
  int Build(const std::vector<RoadPiece>& pieces, int first, int last);
  static double DistanceTo(const Node& node, PlanePoint q);
  std::vector<Node> nodes_;
};

// Pieces per leaf: a leaf is cheap to look through, and fewer nodes keep
// the tree small.
constexpr int kPiecesPerLeaf = 4;

// The tree is balanced over consecutive runs, so its depth is about
// log2(pieces / kPiecesPerLeaf): 12 for 4 000 JDs. The stack holds at most
// one pending sibling per level.
constexpr int kMaxTreeDepth = 64;

template <typename Visit, typename Bound>
void PieceTree::Search(PlanePoint q, Visit&& visit, Bound&& bound) const {
  if (nodes_.empty()) return;
  int stack[kMaxTreeDepth + 1];
  int top = 0;
  stack[top++] = 0;
  while (top > 0) {
    const Node& node = nodes_[stack[--top]];
    if (DistanceTo(node, q) > bound()) continue;
    if (node.left < 0) {
      for (int i = node.first; i < node.last; ++i) visit(i);
      continue;
    }
    const double dl = DistanceTo(nodes_[node.left], q), dr = DistanceTo(nodes_[node.right], q);
    // The nearer child is taken first: it pushes last.
    if (dl <= dr) {
      stack[top++] = node.right;
      stack[top++] = node.left;
    } else {
      stack[top++] = node.left;
      stack[top++] = node.right;
    }
  }
}

}  // namespace capset
