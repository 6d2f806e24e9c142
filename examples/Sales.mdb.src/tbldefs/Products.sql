CREATE TABLE [Products] (
  [ProductID] AUTOINCREMENT CONSTRAINT [PrimaryKey] PRIMARY KEY  UNIQUE  NOT NULL ,
  [ProductName] VARCHAR (40),
  [CategoryID] LONG ,
  [QuantityPerUnit] VARCHAR (20),
  [UnitPrice] CURRENCY ,
  [UnitsInStock] SHORT ,
  [UnitsOnOrder] SHORT ,
  [ReorderLevel] SHORT ,
  [Discontinued] BIT ,
  [Weight] DOUBLE ,
  [Description] LONGTEXT 
)
