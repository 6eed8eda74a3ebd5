#include "study/fitstatistics.h"

#include <Eigen/Dense>
#include <algorithm>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "text/language.h"
#include "study/fitrun.h"

namespace lamvero {

namespace {

// A direction of the parameters whose singular value lies below this share
// of the largest changes the residuals too little to be told from none.
constexpr double kSingularRatio = 1e-6;
// A parameter takes part in such a direction with a component above this.
constexpr double kNullComponent = 0.3;

// "„A“", "„A“ und „B“", "„A“, „B“ und „C“".
std::string QuotedList(const std::vector<std::size_t>& indices, const std::vector<Input>& inputs) {
  std::string list;
  for (std::size_t k = 0; k < indices.size(); ++k) {
    if (k > 0) list += k + 1 == indices.size() ? Tr("Anpassung", " und ") : std::string(", ");
    list += QuotedCaption(inputs[indices[k]]);
  }
  return list;
}

void AddSentence(FitStatistics& s, const std::string& sentence) {
  s.identifiability += (s.identifiability.empty() ? "" : " ") + sentence;
}

// Parameters whose column vanishes, or which move the residuals across their
// whole bounds by less than kSingularRatio of the most influential one.
std::vector<std::size_t> Insensitive(const std::vector<double>& norms, const std::vector<double>& ranges) {
  double largest = 0;
  for (std::size_t j = 0; j < norms.size(); ++j) largest = std::max(largest, norms[j] * ranges[j]);
  std::vector<std::size_t> found;
  for (std::size_t j = 0; j < norms.size(); ++j) {
    if (!(norms[j] > 0) || norms[j] * ranges[j] <= kSingularRatio * largest) found.push_back(j);
  }
  return found;
}

// The parameters in directions of the column-scaled Jacobian that the data
// hardly see, one sentence per direction.
void FindNullDirections(const Eigen::JacobiSVD<Eigen::MatrixXd>& svd, const std::vector<Input>& inputs,
                        FitStatistics& s) {
  const Eigen::VectorXd& sigma = svd.singularValues();
  const Eigen::MatrixXd& v = svd.matrixV();
  for (Eigen::Index k = 0; k < v.cols(); ++k) {
    const double value = k < sigma.size() ? sigma(k) : 0.0;
    if (value >= kSingularRatio * sigma(0)) continue;
    std::vector<std::size_t> involved;
    for (Eigen::Index j = 0; j < v.rows(); ++j) {
      if (std::abs(v(j, k)) > kNullComponent) involved.push_back(static_cast<std::size_t>(j));
    }
    for (std::size_t j : involved) {
      if (std::find(s.notIdentifiable.begin(), s.notIdentifiable.end(), j) == s.notIdentifiable.end()) {
        s.notIdentifiable.push_back(j);
      }
    }
    if (involved.size() == 1) AddSentence(s, Filled(Tr("Anpassung", "Die Messdaten bestimmen %1 nicht."), {QuotedList(involved, inputs)}));
    if (involved.size() > 1) {
      AddSentence(s, Filled(Tr("Anpassung", "%1 lassen sich mit diesen Messdaten nicht unterscheiden."), {QuotedList(involved, inputs)}));
    }
  }
  std::sort(s.notIdentifiable.begin(), s.notIdentifiable.end());
}

// Half-widths and correlation from the covariance s² (JᵀJ)⁻¹, J = Js D with
// Js's columns of unit norm.
void FillIntervals(const Eigen::JacobiSVD<Eigen::MatrixXd>& svd, const Eigen::VectorXd& norms, double cost,
                   Eigen::Index n, FitStatistics& s) {
  const Eigen::Index p = norms.size();
  const Eigen::VectorXd inverseSquares = svd.singularValues().array().square().inverse();
  const Eigen::MatrixXd scaledInverse = svd.matrixV() * inverseSquares.asDiagonal() * svd.matrixV().transpose();
  const double variance = cost / static_cast<double>(n - p);
  const Eigen::MatrixXd covariance =
      variance * norms.cwiseInverse().asDiagonal() * scaledInverse * norms.cwiseInverse().asDiagonal();
  const boost::math::students_t t(static_cast<double>(n - p));
  const double quantile = boost::math::quantile(t, 0.975);
  s.correlation.assign(static_cast<std::size_t>(p), std::vector<double>(static_cast<std::size_t>(p), 0.0));
  for (Eigen::Index i = 0; i < p; ++i) {
    s.halfWidth95.push_back(quantile * std::sqrt(covariance(i, i)));
    s.correlation[i][i] = 1.0;
    for (Eigen::Index j = 0; j < i; ++j) {
      const double scale = std::sqrt(covariance(i, i) * covariance(j, j));
      s.correlation[i][j] = s.correlation[j][i] = scale > 0 ? covariance(i, j) / scale : 0.0;
    }
  }
}

}  // namespace

FitStatistics StatisticsOf(const std::vector<std::vector<double>>& columns, const std::vector<double>& ranges,
                           double cost, const std::vector<Input>& inputs) {
  FitStatistics s;
  const Eigen::Index p = static_cast<Eigen::Index>(columns.size());
  const Eigen::Index n = p == 0 ? 0 : static_cast<Eigen::Index>(columns[0].size());
  Eigen::MatrixXd scaled(n, p);
  Eigen::VectorXd norms(p);
  for (Eigen::Index j = 0; j < p; ++j) {
    scaled.col(j) = Eigen::Map<const Eigen::VectorXd>(columns[j].data(), n);
    norms(j) = scaled.col(j).norm();
  }
  const std::vector<double> normList(norms.data(), norms.data() + p);
  s.notIdentifiable = Insensitive(normList, ranges);
  if (!s.notIdentifiable.empty()) {
    AddSentence(s, Filled(Tr("Anpassung", "Die Messdaten hängen nicht von %1 ab."), {QuotedList(s.notIdentifiable, inputs)}));
    return s;
  }
  if (n <= p) {
    s.identifiability = Filled(Tr("Anpassung", "Mit %1 Messpunkten lassen sich %2 Parameter nicht mit Vertrauensbereichen bestimmen."),
                               {std::to_string(n), std::to_string(p)});
    for (Eigen::Index j = 0; j < p; ++j) s.notIdentifiable.push_back(static_cast<std::size_t>(j));
    return s;
  }
  for (Eigen::Index j = 0; j < p; ++j) scaled.col(j) /= norms(j);
  const Eigen::JacobiSVD<Eigen::MatrixXd> svd(scaled, Eigen::ComputeThinU | Eigen::ComputeFullV);
  FindNullDirections(svd, inputs, s);
  if (s.notIdentifiable.empty()) FillIntervals(svd, norms, cost, n, s);
  return s;
}

}  // namespace lamvero
