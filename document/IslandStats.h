#pragma once

// The island figures computed by ComputeStats.
struct IslandStats {
    double Population = 0;
    double Area = 0;
    double FundsIncrease = 0;
    double FoodIncrease = 0;
    double Farming = 0;
    double Industry = 0;
    double Workers = 0;
    double Unemployed = 0;
    double Military = 0;
    double FoodProduction = 0;
    double IndustryWorkers = 0;
    double FarmWorkers = 0;
};
