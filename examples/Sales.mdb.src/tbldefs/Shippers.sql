CREATE TABLE [Shippers] (
  [ShipperID] AUTOINCREMENT CONSTRAINT [PrimaryKey] PRIMARY KEY  UNIQUE  NOT NULL ,
  [CompanyName] VARCHAR (40),
  [Phone] VARCHAR (24)
)
