CREATE TABLE [Orders] (
  [OrderID] AUTOINCREMENT CONSTRAINT [PrimaryKey] PRIMARY KEY  UNIQUE  NOT NULL ,
  [CustomerID] LONG ,
  [EmployeeID] LONG ,
  [OrderDate] DATETIME ,
  [RequiredDate] DATETIME ,
  [ShippedDate] DATETIME ,
  [ShipVia] LONG ,
  [Freight] CURRENCY ,
  [ShipName] VARCHAR (40),
  [ShipAddress] VARCHAR (60),
  [ShipCity] VARCHAR (15),
  [ShipRegion] VARCHAR (15),
  [ShipPostalCode] VARCHAR (10),
  [ShipCountry] VARCHAR (15)
)
