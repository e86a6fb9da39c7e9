#pragma once
// The descriptors of the 24 distribution types, one file each in this folder
// (see sources/distribution.h for what a descriptor holds).

#include "sources/distribution.h"

namespace dorvex::sources {

extern const Distribution kNormalType;         // normal.cpp
extern const Distribution kLogNormal2PType;    // lognormal_2p.cpp
extern const Distribution kGumbelIType;        // gumbel.cpp
extern const Distribution kGumbelIIType;       // gumbel.cpp
extern const Distribution kRaisedCosineType;   // raised_cosine.cpp
extern const Distribution kCauchyType;         // cauchy.cpp
extern const Distribution kFisherTippettType;  // fisher_tippett.cpp
extern const Distribution kLaplaceType;        // laplace.cpp
extern const Distribution kLogisticType;       // logistic.cpp
extern const Distribution kWeibullType;        // weibull.cpp
extern const Distribution kRayleighType;       // rayleigh.cpp
extern const Distribution kLevyType;           // levy.cpp
extern const Distribution kStudentType;        // student.cpp
extern const Distribution kBetaZeroType;       // beta_zero.cpp
extern const Distribution kBetaUniversalType;  // beta_universal.cpp
extern const Distribution kGammaType;          // gamma.cpp
extern const Distribution kSnedecorType;       // snedecor.cpp
extern const Distribution kParetoType;         // pareto.cpp
extern const Distribution kUniformType;        // uniform.cpp
extern const Distribution kTriangularType;     // triangular.cpp
extern const Distribution kExponentialType;    // exponential.cpp
extern const Distribution kChiSquareType;      // chi_square.cpp
extern const Distribution kHalfLogisticType;   // half_logistic.cpp
extern const Distribution kLogNormal3PType;    // lognormal_3p.cpp

}  // namespace dorvex::sources
