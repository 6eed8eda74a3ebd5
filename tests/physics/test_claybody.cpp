#include <gtest/gtest.h>

#include <cmath>

#include "physics/claybody.h"
#include "common/sixdigits.h"
#include "common/default_claybody.h"

namespace lamvero {
namespace {

using testing::SixDigits;

using testing::DefaultClayBody;


TEST(ClayBody, ShrinkageDensityAndWaterContentOfTheDefaultBody) {
  const ClayBody b = DefaultClayBody();
  EXPECT_TRUE(SixDigits(b.XSchwEnde, 0.135573));
  EXPECT_TRUE(SixDigits(b.KappaGr, 1.72707e-8));

  EXPECT_NEAR(ShrinkageAtMoisture(b, 0.25), 0, 1e-15);
  EXPECT_TRUE(SixDigits(ShrinkageAtMoisture(b, 0.2), 0.026123));
  EXPECT_NEAR(ShrinkageAtMoisture(b, b.XSchwEnde), 0.062, 1e-15);
  EXPECT_TRUE(SixDigits(ShrinkageAtMoisture(b, 0.1), 0.0830453));  // the formula continued
  EXPECT_LT(ShrinkageAtMoisture(b, 0.3), 0);                 // swelling above XAnf

  EXPECT_EQ(DryDensityAtShrinkage(b, 0), b.rho0);
  EXPECT_TRUE(SixDigits(DryDensityAtShrinkage(b, 0), 1526.79));
  EXPECT_TRUE(SixDigits(DryDensityAtShrinkage(b, 0.03), 1672.88));
  EXPECT_EQ(DryDensityAtShrinkage(b, 0.062), 1850);
  EXPECT_EQ(DryDensityAtShrinkage(b, 0.1), 1850);

  EXPECT_TRUE(SixDigits(VolumetricWaterFromShrinkage(b, 0), 0.381698));
  EXPECT_TRUE(SixDigits(VolumetricWaterFromShrinkage(b, 0.03), 0.322538));
  EXPECT_TRUE(SixDigits(VolumetricWaterFromShrinkage(b, 0.062), 0.250810));

  // The shrinkage scale's tick for 3 %: the moisture content, and back.
  const double tick = 1000 * VolumetricWaterFromShrinkage(b, 0.03) / DryDensityAtShrinkage(b, 0.03);
  EXPECT_TRUE(SixDigits(tick, 0.192804));
  EXPECT_NEAR(ShrinkageAtMoisture(b, tick), 0.03, 1e-14);
}

TEST(ClayBody, MoistureConductivityOfTheDefaultBody) {
  const ClayBody b = DefaultClayBody();
  EXPECT_TRUE(SixDigits(MoistureConductivity(b, 0.25, 25), 4.0e-8));
  EXPECT_TRUE(SixDigits(MoistureConductivity(b, 0.2, 25), 3.00065e-8));
  EXPECT_TRUE(SixDigits(MoistureConductivity(b, b.XSchwEnde, 25), 1.72707e-8));
  EXPECT_TRUE(SixDigits(MoistureConductivity(b, 0.1, 25), 6.25723e-9));
  EXPECT_TRUE(SixDigits(MoistureConductivity(b, 0, 25), 3.60481e-10));
  EXPECT_EQ(MoistureConductivity(b, -0.3, 25), MoistureConductivity(b, 0, 25));
  EXPECT_TRUE(SixDigits(MoistureConductivity(b, 0.25, 80), 8.95e-8));
  EXPECT_NEAR(MoistureConductivity(b, 0.2, 80) / MoistureConductivity(b, 0.2, 25), 2.2375, 1e-14);
}

// The three branches of the law and the two ways of computing the water
// content meet without a jump: a step of 1e-12 in X moves kappa by ~1e-11
// relative at most. Without shrinkage the body starts at its limit moisture.
TEST(ClayBody, MoistureConductivityIsContinuous) {
  for (double shrinkage : {6.2, 0.0}) {
    const ClayBody b = DefaultClayBody(shrinkage);
    for (double X : {b.XSchwEnde, 0.0}) {
      const double above = MoistureConductivity(b, X + 1e-12, 40);
      EXPECT_NEAR(MoistureConductivity(b, X - 1e-12, 40), above, 1e-9 * above)
          << shrinkage << " " << X;
    }
  }
  const ClayBody rigid = DefaultClayBody(0);
  for (double s : {0.0, 0.03}) EXPECT_EQ(DryDensityAtShrinkage(rigid, s), rigid.rhos);
  EXPECT_EQ(MoistureConductivity(rigid, 0.25, 25), rigid.KappaGr);
}

}  // namespace
}  // namespace lamvero
