SELECT Shippers.ShipperID, Shippers.CompanyName
FROM Shippers
ORDER BY Shippers.CompanyName;
